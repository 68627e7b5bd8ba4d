#include "conversion.h"

#include "base/codepage.h"
#include "base/error.h"
#include "base/filesystem.h"
#include "base/pngfile.h"
#include "eventcode.h"
#include "gamedata.h"
#include "levelclass.h"
#include "midletfiles.h"
#include "templatecopy.h"

#include <unordered_map>

namespace fs = std::filesystem;

namespace zor {
namespace {

const fs::path draftFolder = fs::path("System") / "draft";
const fs::path sourceFolder = fs::path("System") / "src";
const fs::path resourceFolder = fs::path("System") / "res";
const fs::path archiveFolder = fs::path("System") / "bin";

// Speed matters more than the last few bytes: the archive compresses the game again.
constexpr int pictureCompressionLevel = 1;

struct FixedFile
{
    const char *source; // in System/draft
    fs::path target;
};

const FixedFile fixedFiles[] = {{"MultiLineText.java", sourceFolder / "MultiLineText.java"},
                                {"etap0.java", sourceFolder / "Etap0.java"},
                                {"logo.png", resourceFolder / "logo.png"}};

// What the conversion deletes before writing: the files it writes there.
const std::pair<fs::path, const char *> generatedPatterns[] = {
    {sourceFolder, "*.java"},  {resourceFolder, "*.png"}, {resourceFolder, "*.txt"},
    {resourceFolder, "*.mid"}, {resourceFolder, "*.wav"}, {resourceFolder, "*.mp3"},
    {archiveFolder, "*.jar"}};

const char *const soundPatterns[] = {"*.mid", "*.wav", "*.mp3"};

std::string mapFileName(int level, int k)
{
    return "fon" + std::to_string(level - 1) + "-" + std::to_string(k - 1) + ".txt";
}

// A file that cannot be deleted stays; the next writes report what matters.
void deleteQuietly(const fs::path &folder, const char *pattern)
{
    for (const fs::path &file : matchFiles(folder, pattern)) {
        std::error_code ignored;
        fs::remove(file, ignored);
    }
}

void prepareFolders(const fs::path &programFolder)
{
    for (const fs::path &folder : {sourceFolder, resourceFolder, archiveFolder}) {
        std::error_code error;
        fs::create_directories(programFolder / folder, error);
        if (error)
            throw Error((programFolder / folder).string(), 0,
                        "cannot create the folder: " + error.message());
    }
    for (const auto &[folder, pattern] : generatedPatterns)
        deleteQuietly(programFolder / folder, pattern);
}

void writeTexts(const std::vector<OutputFile> &files, const fs::path &programFolder)
{
    for (const OutputFile &file : files) {
        const fs::path target = programFolder / file.path;
        std::error_code error;
        if (file.onlyWhenMissing && fs::exists(target, error))
            continue;
        AtomicFile output(target, Durability::Cached);
        output.write(file.bytes);
        if (file.sharedEnd)
            output.write(*file.sharedEnd);
        output.commit();
    }
}

void copySounds(const Project &project, const fs::path &programFolder)
{
    if (project.projectDir.empty())
        return;
    const fs::path from = fs::path(project.projectDir) / "res";
    for (const char *pattern : soundPatterns) {
        for (const fs::path &sound : matchFiles(from, pattern))
            replaceFile(programFolder / resourceFolder / sound.filename(), readWholeFile(sound),
                        Durability::Cached);
    }
}

} // namespace

std::vector<OutputFile> generateTexts(const Project &project, const fs::path &programFolder)
{
    const fs::path drafts = programFolder / draftFolder;
    std::vector<OutputFile> files;
    if (project.levelCount > 0) {
        const std::string levelTemplate = readWholeFile(drafts / "Etap1.java");
        const SharedLevelCode shared = sharedLevelCode(eventCode(project));
        for (int level = 1; level <= project.levelCount; ++level) {
            for (int k = 1; k <= mapFileCount(project, level); ++k)
                files.push_back({resourceFolder / mapFileName(level, k),
                                 mapFileLine(project, level, k) + "\r\n", nullptr});
            LevelClass levelFiles = levelClass(project, level, levelTemplate, shared);
            const std::string name = "Etap" + std::to_string(level);
            files.push_back({draftFolder / (name + "_temp.java"),
                             std::move(levelFiles.intermediate), shared.appended});
            files.push_back({sourceFolder / (name + ".java"), std::move(levelFiles.final),
                             shared.appendedFinal});
        }
    }
    const std::vector<Replacement> midlet = midletReplacements(project.levelCount);
    files.push_back({sourceFolder / "szor.java",
                     copyTemplate(readWholeFile(drafts / "szor.java"), midlet), nullptr});
    // A jar manifest is read as UTF-8.
    const std::vector<Replacement> manifest = manifestReplacements(project);
    files.push_back(
        {"MANIFEST.MF",
         copyTemplate(cp1251ToUtf8(readWholeFile(programFolder / "System" / "MANIFEST.MF")),
                      manifest),
         nullptr});
    for (const FixedFile &fixed : fixedFiles)
        files.push_back({fixed.target, readWholeFile(drafts / fixed.source), nullptr, true});
    return files;
}

std::vector<PictureFile> projectPictures(const Project &project)
{
    std::vector<PictureFile> pictures;
    if (project.levelCount == 0)
        return pictures;
    std::unordered_map<std::string, size_t> byName;
    const auto add = [&](const char *kind, const std::string &name, const Picture &picture,
                         int transparent) {
        if (picture.isEmpty())
            throw Error("the " + std::string(kind) + " object \"" + name +
                        "\" has no picture; load one in its editor or delete the object");
        PictureFile file{resourceFolder / imageFileName(name), &picture, std::nullopt};
        // The colour of the pixel at column 1, row 1 (counted from 0) becomes transparent.
        if (transparent == 1 && picture.contains(1, 1))
            file.transparentColour = picture.pixel(1, 1);
        const auto [entry, added] = byName.emplace(file.path.string(), pictures.size());
        if (added)
            pictures.push_back(file);
        else
            pictures[entry->second] = file;
    };
    for (int d = 1; d <= project.activeCount; ++d) {
        const Tactive1 &a = project.activeObjects[d];
        add("active", a.name, a.sheet, a.transparent);
    }
    for (int d = 1; d <= project.fonCount; ++d) {
        const Tfon1 &f = project.fonObjects[d];
        add("background", f.name, f.tilesPicture, f.transparent);
    }
    return pictures;
}

PngOptions pngOptions(const PictureFile &file)
{
    PngOptions options;
    options.transparentColour = file.transparentColour;
    options.compressionLevel = pictureCompressionLevel;
    return options;
}

void exportPictures(const std::vector<PictureFile> &pictures, const fs::path &programFolder)
{
    for (const PictureFile &file : pictures)
        replaceFile(programFolder / file.path, encodePng(*file.picture, pngOptions(file)),
                    Durability::Cached);
}

void convertProject(const Project &project, const fs::path &programFolder)
{
    const std::vector<OutputFile> texts = generateTexts(project, programFolder);
    const std::vector<PictureFile> pictures = projectPictures(project);
    prepareFolders(programFolder);
    exportPictures(pictures, programFolder);
    writeTexts(texts, programFolder);
    copySounds(project, programFolder);
}

} // namespace zor
