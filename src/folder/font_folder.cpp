#include "folder/font_folder.h"

#include <array>
#include <utility>

#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "state/failure.h"
#include "storage/atomic_file.h"
#include "storage/read_file.h"
#include "storage/write_target.h"

namespace fontedit::folder {
namespace {

using state::Cause;
using state::Failure;

// A font file is a few kilobytes; only the first 96 lines are ever read, so a huge file
// need not be held whole, only as far as those lines reach.
constexpr std::size_t kFontFileLimit = formats::kMostFontFileBytes;

// What Read would refuse is not written.
void refuseLarger(std::string_view bytes, const std::filesystem::path& path) {
    if (bytes.size() > kFontFileLimit) throw Failure(Cause::FileTooLarge, {.file = path.string()});
}

// The parser names the file alone; the caller knows the folder it lies in.
void nameFolder(Failure& failure, const std::filesystem::path& dir) {
    std::string& file = failure.facts().file;
    if (file == formats::kFontFileName || file == formats::kLabelFileName) {
        file = (dir / file).string();
    }
}

// At most the cap, and when the file goes on past it, only up to its last whole line, so
// that no text is read cut.
storage::FileStart readFontFile(const std::filesystem::path& path) {
    storage::FileStart file = storage::readFileStart(path, kFontFileLimit);
    if (!file.whole) file.bytes.resize(file.bytes.find_last_of("\r\n") + 1);
    return file;
}

// A cut file that runs out of fields is too large, not too short; the fault gets its folder.
void placeInFolder(Failure& fault, bool cut, const std::filesystem::path& dir) {
    if (fault.cause() == Cause::PastEndOfFile && cut) {
        fault = Failure(Cause::FileTooLarge, {.file = fault.facts().file});
    }
    nameFolder(fault, dir);
}

// Creates `dir` and the folders above it that are missing; the ones made, deepest first.
std::vector<std::filesystem::path> makeDirectories(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> missing;
    for (std::filesystem::path at = dir; !at.empty() && !std::filesystem::exists(at);
         at = at.parent_path()) {
        missing.push_back(at);
        if (at == at.parent_path()) break;
    }
    // Walked as a write is, so that another's link on the way is not followed.
    try {
        (void)storage::openFolder(dir, 0777);
    } catch (const Failure& failure) {
        if (failure.cause() != Cause::FileAccess) throw;
        throw Failure(Cause::DirectoryNotCreated,
                      {.file = dir.string(), .error = failure.facts().error});
    }
    return missing;
}

}  // namespace

state::FontData loadFont(const std::filesystem::path& dir) {
    return loadFontFiles(dir).data;
}

LoadedFont loadFontFiles(const std::filesystem::path& dir) {
    storage::FileStart font = readFontFile(dir / formats::kFontFileName);
    storage::FileStart labels = readFontFile(dir / formats::kLabelFileName);
    try {
        state::FontData data = formats::parseFontFiles(font.bytes, labels.bytes);
        return {std::move(data), {std::move(font.bytes), std::move(labels.bytes)}};
    } catch (Failure& failure) {
        placeInFolder(failure,
                      failure.facts().file == formats::kFontFileName ? !font.whole : !labels.whole,
                      dir);
        throw;
    }
}

std::vector<Failure> fontFaults(const std::filesystem::path& dir) {
    state::FontData data;
    return fontFaults(dir, data);
}

std::vector<Failure> fontFaults(const std::filesystem::path& dir, state::FontData& data) {
    std::vector<Failure> faults;
    const std::pair<const char*, decltype(&formats::checkFontFile)> files[] = {
        {formats::kFontFileName, formats::checkFontFile},
        {formats::kLabelFileName, formats::checkLabelFile}};
    for (const auto& [name, check] : files) {
        storage::FileStart file;
        try {
            file = readFontFile(dir / name);
        } catch (const Failure& failure) {
            faults.push_back(failure);
            continue;
        }
        check(file.bytes, data, [&](Failure fault) {
            placeInFolder(fault, !file.whole, dir);
            faults.push_back(std::move(fault));
        });
    }
    return faults;
}

void saveFont(const state::FontData& data, const std::filesystem::path& dir) {
    saveFont(formats::fontFiles(data), dir);
}

void saveFont(const formats::FontFiles& bytes, const std::filesystem::path& dir) {
    const std::array<storage::FileContent, 2> files{
        storage::FileContent{dir / formats::kFontFileName, bytes.font},
        storage::FileContent{dir / formats::kLabelFileName, bytes.labels}};
    for (const storage::FileContent& file : files) refuseLarger(file.bytes, file.path);
    storage::writeFilesAtomically(files);
}

void saveFontCreatingFolder(const state::FontData& data, const std::filesystem::path& dir) {
    const std::vector<std::filesystem::path> made = makeDirectories(dir);
    try {
        saveFont(data, dir);
    } catch (...) {
        // The save removed its own files.
        for (const std::filesystem::path& created : made) {
            std::error_code ignored;
            std::filesystem::remove(created, ignored);
        }
        throw;
    }
}

void exportHeader(const state::FontData& data, const std::filesystem::path& dir) {
    exportHeader(formats::headerBytes(data), dir);
}

void exportHeader(std::string_view headerBytes, const std::filesystem::path& dir) {
    refuseLarger(headerBytes, dir / formats::kHeaderFileName);
    storage::writeFileAtomically(dir / formats::kHeaderFileName, headerBytes);
}

std::string fontFileStart(const std::filesystem::path& path) {
    return readFontFile(path).bytes;
}

}  // namespace fontedit::folder
