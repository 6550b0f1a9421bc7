#include "wavecontrol/SonivelResources.h"

#include <array>

#include "wavecontrol/SonivelTypeLib.h"

namespace sonivel {

namespace {

using automation::Color;
using automation::DialogItem;
using automation::DialogItemKind;

// The standard 16-colour palette.
constexpr Color kPalette[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

enum : std::uint8_t { kBlack = 0, kDarkBlue = 4, kGray = 8, kSilver = 7, kGreen = 10, kWhite = 15 };

// A waveform on a dark panel in a raised frame: the amplitude of column x follows a short
// repeating pattern under a rising and falling envelope.
template <int W, int H>
consteval std::array<std::uint8_t, W * H> WavePicture() {
    constexpr int kPattern[8] = {1, 4, 7, 3, 8, 5, 2, 6};
    std::array<std::uint8_t, W * H> pixels{};
    const int middle = H / 2;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            std::uint8_t color = kDarkBlue;
            if (x == 0 || y == 0) {
                color = kWhite;
            } else if (x == W - 1 || y == H - 1) {
                color = kGray;
            } else if (x == 1 || y == 1 || x == W - 2 || y == H - 2) {
                color = kSilver;
            } else {
                const int envelope = x < W / 2 ? x : W - x;
                const int amplitude = kPattern[x % 8] * envelope * (H / 2 - 3) / (8 * (W / 2));
                const int distance = y > middle ? y - middle : middle - y;
                if (distance <= amplitude) {
                    color = kGreen;
                } else if (y == middle) {
                    color = kBlack;
                }
            }
            pixels[static_cast<std::size_t>(y * W + x)] = color;
        }
    }
    return pixels;
}

constexpr auto kToolboxPixels = WavePicture<16, 15>();
constexpr auto kControlPixels = WavePicture<62, 40>();

constexpr automation::StringResource kStrings[] = {
    {kIdsTypeName, "Morvane Wave Control"}, {kIdsGeneralPageTypeName, "Sonivel Property Page"},
    {kIdsGeneralPageCaption, "General"},    {kIdsAboutPageTypeName, "About Property Page"},
    {kIdsAboutPageCaption, "About"},
};

constexpr automation::BitmapResource kBitmaps[] = {
    {kIdbToolbox, 16, 15, kPalette, kToolboxPixels},
    {kIdbControl, 62, 40, kPalette, kControlPixels},
};

constexpr DialogItem kAboutBoxItems[] = {
    {DialogItemKind::StaticText, 0xFFFF, "Morvane Wave Control, Version 1.0", 40, 10, 170, 8},
    {DialogItemKind::StaticText, 0xFFFF, "Plays, records and edits WAV files.", 40, 25, 170, 8},
    {DialogItemKind::DefaultButton, automation::IDOK, "OK", 176, 40, 32, 14},
};
constexpr DialogItem kGeneralPageItems[] = {
    {DialogItemKind::StaticText, 0xFFFF,
     "The general Properties/Methods of the Morvane Wave OCX control are available only during "
     "run-time.",
     7, 25, 236, 16},
};
constexpr DialogItem kAboutPageItems[] = {
    {DialogItemKind::StaticText, 0xFFFF, "Morvane Wave Control", 10, 10, 199, 8},
    {DialogItemKind::StaticText, 0xFFFF, "Version 1.0", 10, 24, 199, 8},
    {DialogItemKind::StaticText, 0xFFFF,
     "Opens, plays, records, edits and saves WAV files for its host.", 10, 38, 199, 16},
};

constexpr automation::DialogResource kDialogs[] = {
    {kIddAboutBox, "About Morvane Wave Control", 217, 60, kAboutBoxItems},
    {kIddGeneralPage, "", 250, 62, kGeneralPageItems},
    {kIddAboutPage, "", 219, 116, kAboutPageItems},
};

constexpr automation::VersionString kVersionStrings[] = {
    {"FileDescription", "SONIVEL OLE Control DLL"},
    {"FileVersion", "1.0.001"},
    {"InternalName", "SONIVEL"},
    {"OriginalFilename", "SONIVEL.DLL"},
    {"ProductName", "SONIVEL"},
    {"ProductVersion", "1.0.001"},
    {"OLESelfRegister", ""},
};

constexpr automation::VersionResource kVersion = {{1, 0, 0, 1}, {1, 0, 0, 1}, kVersionStrings};

}  // namespace

const automation::ResourceTable kResources = {kStrings, kBitmaps, kDialogs, &kVersion,
                                              &kSonivelLib};

}  // namespace sonivel
