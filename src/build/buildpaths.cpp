#include "buildpaths.h"

#include "shellquote.h"

#include "base/error.h"

namespace fs = std::filesystem;

namespace zor {
namespace {

QString quoted(const fs::path &path)
{
    return quoteForShell(QString::fromStdString(path.string()));
}

} // namespace

BuildPaths::BuildPaths(fs::path programFolder, const std::string &jdkPath,
                       const std::string &wtkPath, const std::string &midletName)
    : m_programFolder(std::move(programFolder))
    , m_jdk(m_programFolder / jdkPath)
    , m_wtk(m_programFolder / wtkPath)
    , m_midletName(midletName)
{
    if (midletName.empty() || midletName == "." || midletName == ".." ||
        midletName.find('/') != std::string::npos || midletName.find('\0') != std::string::npos)
        throw Error("The MIDlet name \"" + midletName +
                    "\" cannot name the game's archive: give it a name without \"/\".");
}

fs::path BuildPaths::sources() const
{
    return m_programFolder / "System" / "src";
}

fs::path BuildPaths::resources() const
{
    return m_programFolder / "System" / "res";
}

fs::path BuildPaths::compiled() const
{
    return m_programFolder / "System" / "tmpclasses";
}

fs::path BuildPaths::preverified() const
{
    return m_programFolder / "System" / "classes";
}

fs::path BuildPaths::staging() const
{
    return m_programFolder / "System" / "archive";
}

fs::path BuildPaths::archive() const
{
    return m_programFolder / "System" / "bin" / (m_midletName + ".jar");
}

fs::path BuildPaths::manifest() const
{
    return m_programFolder / "MANIFEST.MF";
}

fs::path BuildPaths::emulator() const
{
    return m_wtk / "bin" / "emulator";
}

QString BuildPaths::classPath() const
{
    return QString::fromStdString((m_wtk / "lib" / "cldcapi11.jar").string() + ":" +
                                  (m_wtk / "lib" / "midpapi20.jar").string());
}

QString BuildPaths::compileCommand() const
{
    return "ecj -source 1.3 -target 1.3 -encoding Cp1251 -classpath " + quoteForShell(classPath()) +
           " -d " + quoted(compiled()) + ' ' + quoted(sources() / "") + "*.java";
}

QString BuildPaths::preverifyCommand() const
{
    return quoted(m_wtk / "bin" / "preverify") + " -classpath " + quoteForShell(classPath()) +
           " -d " + quoted(preverified()) + ' ' + quoted(compiled());
}

QString BuildPaths::archiveCommand() const
{
    return quoted(m_jdk / "bin" / "jar") + " cmf " + quoted(manifest()) + ' ' + quoted(archive()) +
           " -C " + quoted(staging()) + " .";
}

} // namespace zor
