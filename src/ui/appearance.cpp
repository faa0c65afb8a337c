#include "ui/program.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include <array>
#include <memory>

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

// The program's icon in the sizes it ships. Each file is decoded when a size is first asked for, not when
// the program starts: a window system that shows no icon never decodes any.
class ShippedIcon : public QIconEngine {
  public:
    static constexpr std::array sizes{16, 24, 32, 48, 64, 128, 256};

    ShippedIcon() = default;
    ShippedIcon(const ShippedIcon& other) : QIconEngine(other), m_icon(other.m_icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> all;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (int size : sizes)
                all.append(QSize(size, size));
        return all;
    }
    QString key() const override { return QStringLiteral("varnel-shipped"); }
    QIconEngine* clone() const override { return new ShippedIcon(*this); }
    bool isNull() override { return false; }

  private:
    QIcon& icon() {
        if (!m_icon) {
            m_icon = std::make_shared<QIcon>();
            for (int size : sizes)
                m_icon->addFile(QStringLiteral(":/varnel/icons/varnel-%1.png").arg(size), QSize(size, size));
        }
        return *m_icon;
    }

    std::shared_ptr<QIcon> m_icon; // shared with the copies, which show the same files
};

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
    QApplication::setWindowIcon(QIcon(new ShippedIcon));
}

} // namespace varnel::ui
