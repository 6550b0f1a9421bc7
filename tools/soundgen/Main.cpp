// soundgen OUTPUT_FOLDER: writes the game's sound effects as WAV files into the folder.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/soundgen/Sounds.h"
#include "tools/soundgen/Wav.h"

namespace {

// Written beside the target and renamed into place, so an interrupted build never leaves a
// truncated sound where the game would pick it up.
void WriteFileAtomically(const std::filesystem::path& path,
                         const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::filesystem::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: soundgen OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const soundgen::SoundEffect& effect : soundgen::SoundEffects()) {
            const soundgen::Signal samples = effect.make();
            WriteFileAtomically(folder / effect.fileName,
                                soundgen::EncodeWav(samples, soundgen::kSampleRate));
        }
    } catch (const std::exception& error) {
        std::cerr << "soundgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
