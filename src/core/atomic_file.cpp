#include "core/atomic_file.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/atomic_file_platform.h"
#include "core/file_error.h"

namespace tandarel {
namespace fs = std::filesystem;
namespace {

constexpr const char* kTemporarySuffix = ".tandarel-tmp";
// Links followed before giving up on a loop, as the systems do.
constexpr int kMaxLinkHops = 40;
// Names tried before giving up: another one is taken only if someone planted it.
constexpr int kMaxNameTries = 100;

ReplaceStageHook& stageHook() {
    static ReplaceStageHook hook;
    return hook;
}

bool failsAt(const fs::path& file, const fs::path& temporary, ReplaceStage stage) {
    return stageHook() && stageHook()(file, temporary, stage);
}

std::error_code simulated(std::errc error) { return std::make_error_code(error); }

// The file that the bytes are for: a link is followed to the file it names, so that
// the link itself stays in place.
fs::path writtenFile(const fs::path& file) {
    fs::path current = file;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(current, error)) return current;
        const auto next = fs::read_symlink(current, error);
        if (error) throwWriteError(file, systemReason(error));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    throwWriteError(file, systemReason(simulated(std::errc::too_many_symbolic_link_levels)));
}

std::uint64_t seed() {
    const auto clock = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32 | device()) ^ clock;
    } catch (const std::exception&) {
        // No entropy source: the clock still varies, and a name that is taken is skipped anyway.
        return clock;
    }
}

std::string randomTag() {
    thread_local std::mt19937_64 generator{seed()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

fs::path temporaryPathFor(const fs::path& target) {
    fs::path name(".");
    name += target.filename();
    // Appended piece by piece: GCC 12 sees a false overlap in "." + tag (-Wrestrict).
    name += ".";
    name += randomTag();
    name += kTemporarySuffix;
    return target.parent_path() / name;
}

// Creates a temporary file of a fresh name beside `target`. A name that is taken is
// never opened: another one is tried.
fs::path createTemporary(const fs::path& file, const fs::path& target, durable::NewFile& temporary) {
    std::error_code error;
    for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
        auto path = temporaryPathFor(target);
        if (failsAt(file, path, ReplaceStage::CreatingTemporary))
            throwWriteError(file, systemReason(simulated(std::errc::permission_denied)));
        error = temporary.create(path);
        if (!error) return path;
        if (error != std::errc::file_exists) break;
    }
    throwWriteError(file, systemReason(error));
}

}  // namespace

void setReplaceStageHook(ReplaceStageHook hook) { stageHook() = std::move(hook); }

void setReplaceFaultHook(ReplaceFaultHook hook) {
    if (!hook) return setReplaceStageHook({});
    setReplaceStageHook([hook = std::move(hook)](const fs::path& file, const fs::path&, ReplaceStage stage) {
        return stage == ReplaceStage::Writing && hook(file);
    });
}

void replaceFileAtomically(const fs::path& file, std::string_view bytes) {
    const auto target = writtenFile(file);
    durable::NewFile temporary;
    const auto temporaryPath = createTemporary(file, target, temporary);

    auto check = [&](std::error_code error) {
        if (!error) return;
        temporary.close();
        std::error_code ignored;
        fs::remove(temporaryPath, ignored);
        throwWriteError(file, systemReason(error));
    };
    auto stage = [&](ReplaceStage at, std::errc simulatedError) {
        if (failsAt(file, temporaryPath, at)) check(simulated(simulatedError));
    };

    const auto half = bytes.size() / 2;
    check(temporary.write(bytes.substr(0, half)));
    stage(ReplaceStage::Writing, std::errc::no_space_on_device);
    check(temporary.write(bytes.substr(half)));
    check(temporary.copyRightsOf(target));
    stage(ReplaceStage::BeforeFlush, std::errc::io_error);
    check(temporary.flushToDisk());
    stage(ReplaceStage::AfterFlush, std::errc::io_error);
    check(temporary.close());
    stage(ReplaceStage::BeforeRename, std::errc::io_error);
    check(durable::renameDurably(temporaryPath, target));
}

bool isTemporaryFileName(const fs::path& name) {
    static const auto suffix = fs::path(kTemporarySuffix).native();
    const auto text = name.filename().native();
    return text.size() > suffix.size() + 1 && text.front() == '.' && text.ends_with(suffix);
}

int removeLeftoverTemporaries(const fs::path& dataFolder) {
    int removed = 0;
    auto sweep = [&removed](const fs::path& folder, bool intoSubFolders, auto& self) -> void {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::error_code kindError;
            const auto& path = it->path();
            if (isTemporaryFileName(path.filename()) && !it->is_directory(kindError)) {
                if (fs::remove(path, kindError)) ++removed;
            } else if (intoSubFolders && it->is_directory(kindError)) {
                self(path, false, self);
            }
        }
    };
    sweep(dataFolder, true, sweep);
    return removed;
}

}  // namespace tandarel
