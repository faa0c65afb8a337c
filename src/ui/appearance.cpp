#include "ui/program.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace varnel::ui {

namespace {

// Qt's own texts (the buttons of message boxes and dialogs, the text boxes' context menus) in Simplified
// Chinese: from Qt's translations, or from the translations folder beside the program where it ships them.
void loadQtTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString name = QStringLiteral("qtbase_zh_CN");
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator->load(name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void setUpApplication() {
    loadQtTranslation();
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The layout was drawn for 12-pixel CJK glyphs.
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
    font.setPixelSize(12);
    QApplication::setFont(font);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/varnel/icons/varnel-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace varnel::ui
