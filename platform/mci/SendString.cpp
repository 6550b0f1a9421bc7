#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/files/File.h"
#include "platform/files/Paths.h"
#include "platform/mci/Command.h"
#include "platform/mci/Mci.h"
#include "platform/mci/WaveDevice.h"

namespace mci {
namespace {

// The open devices of the process, by alias (compared without regard to case).
struct DeviceTable {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<WaveDevice>> devices;
    std::uint32_t nextId = 1;
    // The sound of the device closed last, kept for an open that comes next: an edit closes its
    // device and opens one on the new working copy at once. Memory that is already there needs no
    // zeroing by the kernel, and a file the sound is held in, unchanged, needs no reading. Any
    // other command lets it go.
    WaveSound spare;
};

DeviceTable& Devices() {
    // Never destroyed: devices still open when the process ends go with it; closing them from
    // static destruction would post notices to windows that are already gone.
    static auto* table = new DeviceTable;
    return *table;
}

std::string Key(const std::string& alias) {
    std::string key = alias;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

void PostDone(const Command& command, NotifyTarget* callback, std::uint32_t deviceId) {
    if (command.notify && callback != nullptr) {
        callback->PostNotify(NotifySuccessful, deviceId);
    }
}

// True when the file at `path` is one of the files that hold `sound`, unchanged: the sound is then
// what reading the file would give, and holds that file alone.
bool KeepIfHeld(const std::string& path, WaveSound& sound) {
    if (!sound.files.readFrom && !sound.files.savedTo) {
        return false;
    }
    const files::File file(path, files::FileMode::Read);
    const std::optional<files::FileStamp> stamp = file.Stamp();
    if (!stamp || !sound.files.Include(*stamp)) {
        return false;
    }
    sound.files = {stamp, std::nullopt};
    return true;
}

ErrorCode Open(const Command& command, NotifyTarget* callback) {
    DeviceTable& table = Devices();
    const std::string key = Key(command.device);
    {
        std::lock_guard lock(table.mutex);
        if (table.devices.count(key) != 0) {
            return ErrDuplicateAlias;
        }
    }
    WaveSound sound;
    {
        std::lock_guard lock(table.mutex);
        sound = std::exchange(table.spare, {});
    }
    const std::string path = files::NativePath(command.file);
    if (!KeepIfHeld(path, sound)) {
        if (const ErrorCode error = ReadWaveFile(path, sound); error != Ok) {
            return error;
        }
    }
    std::uint32_t id = 0;
    {
        std::lock_guard lock(table.mutex);
        if (table.devices.count(key) != 0) {
            return ErrDuplicateAlias;
        }
        id = table.nextId++;
        table.devices.emplace(key, std::make_shared<WaveDevice>(id, std::move(sound)));
    }
    PostDone(command, callback, id);
    return Ok;
}

ErrorCode Close(const Command& command, NotifyTarget* callback) {
    DeviceTable& table = Devices();
    std::vector<std::shared_ptr<WaveDevice>> closing;
    {
        std::lock_guard lock(table.mutex);
        if (Key(command.device) == "all") {
            for (auto& [alias, device] : table.devices) {
                closing.push_back(std::move(device));
            }
            table.devices.clear();
        } else {
            const auto found = table.devices.find(Key(command.device));
            if (found == table.devices.end()) {
                return ErrInvalidDeviceName;
            }
            closing.push_back(std::move(found->second));
            table.devices.erase(found);
        }
    }
    // Outside the table's lock: closing waits for the device's audio to stop.
    for (const auto& device : closing) {
        device->Close();
        WaveSound sound = device->ReleaseSound();
        {
            std::lock_guard lock(table.mutex);
            if (sound.frames.Size() >= table.spare.frames.Size()) {
                std::swap(sound, table.spare);
            }
        }
        PostDone(command, callback, device->Id());
    }
    return Ok;
}

ErrorCode Dispatch(const Command& command, std::string& reply, NotifyTarget* callback) {
    switch (command.verb) {
        case Verb::Open:
            return Open(command, callback);
        case Verb::Close:
            return Close(command, callback);
        default:
            break;
    }
    std::shared_ptr<WaveDevice> device;
    WaveSound spare;
    {
        DeviceTable& table = Devices();
        std::lock_guard lock(table.mutex);
        spare = std::exchange(table.spare, {});
        const auto found = table.devices.find(Key(command.device));
        if (found == table.devices.end()) {
            return ErrInvalidDeviceName;
        }
        device = found->second;
    }
    spare = {};
    return device->Execute(command, reply, callback);
}

}  // namespace

bool DeviceHoldsFile(const char* alias, const char* path) {
    if (alias == nullptr || path == nullptr) {
        return false;
    }
    try {
        std::shared_ptr<WaveDevice> device;
        {
            DeviceTable& table = Devices();
            std::lock_guard lock(table.mutex);
            const auto found = table.devices.find(Key(alias));
            if (found == table.devices.end()) {
                return false;
            }
            device = found->second;
        }
        const files::File file(files::NativePath(path), files::FileMode::Read);
        const std::optional<files::FileStamp> stamp = file.Stamp();
        return stamp && device->HoldsFile(*stamp);
    } catch (const std::bad_alloc&) {
        // Not knowing only costs the caller a save.
        return false;
    }
}

ErrorCode SendString(const char* command, char* reply, std::uint32_t replySize,
                     NotifyTarget* callback) {
    const bool hasBuffer = reply != nullptr && replySize > 0;
    if (hasBuffer) {
        reply[0] = '\0';
    }
    if (command == nullptr) {
        return ErrUnrecognizedCommand;
    }
    ErrorCode error = Ok;
    std::string text;
    try {
        const ParseResult parsed = ParseCommand(command);
        error = parsed.error == Ok ? Dispatch(parsed.command, text, callback) : parsed.error;
    } catch (const std::bad_alloc&) {
        return ErrOutOfMemory;
    }
    if (error != Ok || !hasBuffer) {
        // A caller that gives no buffer does not want the reply.
        return error;
    }
    const std::size_t length = std::min<std::size_t>(text.size(), replySize - 1);
    std::memcpy(reply, text.data(), length);
    reply[length] = '\0';
    return length < text.size() ? ErrParamOverflow : Ok;
}

}  // namespace mci
