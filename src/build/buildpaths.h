#pragma once

#include <QString>

#include <filesystem>
#include <string>

namespace zor {

// Where a build of one program folder reads and writes, and the tool command lines made from
// those places. Every path and the MIDlet name go into the commands quoted for the shell. Tool
// folders given relative are taken relative to the program folder.
class BuildPaths
{
public:
    // Refuses a MIDlet name that cannot name an archive file in System/bin.
    BuildPaths(std::filesystem::path programFolder, const std::string &jdkPath,
               const std::string &wtkPath, const std::string &midletName);

    const std::filesystem::path &programFolder() const { return m_programFolder; }
    std::filesystem::path sources() const;
    std::filesystem::path resources() const;
    // Compiler output.
    std::filesystem::path compiled() const;
    // Preverified classes.
    std::filesystem::path preverified() const;
    // Exactly the files the archive packs, gathered there by the build.
    std::filesystem::path staging() const;
    std::filesystem::path archive() const;
    // The manifest the conversion writes into the program folder.
    std::filesystem::path manifest() const;
    std::filesystem::path emulator() const;

    QString compileCommand() const;
    QString preverifyCommand() const;
    QString archiveCommand() const;

private:
    QString classPath() const;

    std::filesystem::path m_programFolder;
    std::filesystem::path m_jdk;
    std::filesystem::path m_wtk;
    std::string m_midletName;
};

} // namespace zor
