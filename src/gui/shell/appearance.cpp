#include "appearance.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <clocale>

namespace zor::gui {

void applyStudioAppearance(QApplication &application)
{
    QApplication::setApplicationName("ZORS");
    QApplication::setApplicationVersion(ZOR_VERSION);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Qt takes the C library's locale from the environment; the core reads and writes numbers
    // with a decimal point whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");

    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont font;
    font.setFamilies({"Tahoma", "DejaVu Sans", "Noto Sans"});
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace zor::gui
