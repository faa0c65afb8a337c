#include "ui/program.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

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

// An icon whose pictures are made on first use: each drawing or measuring is handed to the icon that
// serves the size asked for, which `iconFor` makes when it is first needed.
class IconMadeOnUse : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        iconFor(rect.size()).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return iconFor(size).pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return iconFor(size * scale).pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return iconFor(size).actualSize(size, mode, state);
    }

  protected:
    IconMadeOnUse() = default;
    IconMadeOnUse(const IconMadeOnUse&) = default;
    virtual QIcon& iconFor(const QSize& size) = 0;
};

// The program's icon in the sizes it ships. A file is decoded when a size it serves is first asked for,
// not when the program starts, and only that file: a window system that shows no icon decodes none.
class ShippedIcon : public IconMadeOnUse {
  public:
    static constexpr std::array sizes{16, 24, 32, 48, 64, 128, 256};
    // The sizes offered to whoever asks which there are. The X11 window property takes every size it is
    // offered, and decoding the two largest files would cost a tenth of the start-up for icons no title
    // bar or task bar shows; they still serve whoever asks for them by size.
    static constexpr int largestOffered = 64;

    ShippedIcon() = default;
    ShippedIcon(const ShippedIcon& other) = default;

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> all;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (int size : sizes)
                if (size <= largestOffered)
                    all.append(QSize(size, size));
        return all;
    }
    QString key() const override { return QStringLiteral("varnel-shipped"); }
    QIconEngine* clone() const override { return new ShippedIcon(*this); }
    bool isNull() override { return false; }

  private:
    // The files decoded so far, with the one that serves `size` best among them: the smallest shipped size
    // as large, or the largest there is.
    QIcon& iconFor(const QSize& size) override {
        if (!m_icon)
            m_icon = std::make_shared<Decoded>();
        const int wanted = std::max(size.width(), size.height());
        const auto best = std::find_if(sizes.begin(), sizes.end(), [&](int s) { return s >= wanted; });
        const std::size_t index = best == sizes.end() ? sizes.size() - 1 : best - sizes.begin();
        if (!m_icon->decoded[index]) {
            const int side = sizes[index];
            m_icon->icon.addFile(QStringLiteral(":/varnel/icons/varnel-%1.png").arg(side), QSize(side, side));
            m_icon->decoded[index] = true;
        }
        return m_icon->icon;
    }

    struct Decoded {
        QIcon icon;
        std::array<bool, sizes.size()> decoded{};
    };
    std::shared_ptr<Decoded> m_icon; // shared with the copies, which show the same files
};

// One of the style's own icons, drawn by the style when first shown or measured rather than when a widget
// is given it.
class IconOfStyle : public IconMadeOnUse {
  public:
    IconOfStyle(QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return iconFor({}).availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("varnel-style-icon"); }
    QIconEngine* clone() const override { return new IconOfStyle(*this); }
    bool isNull() override { return iconFor({}).isNull(); }

  private:
    // The style's icon serves every size.
    QIcon& iconFor(const QSize&) override {
        if (!m_icon)
            m_icon = m_style ? m_style->standardIcon(m_which) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

// Fusion, whose menu bars get the arrow they show when their menus do not fit only when it shows: made
// when a menu bar is, it would read the style's pictures, and load every image reader to do it, before
// the first window shows.
class ProgramStyle : public QProxyStyle {
  public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new IconOfStyle(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void setUpApplication() {
    loadQtTranslation();
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setStyle(new ProgramStyle);
    // The layout was drawn for 12-pixel CJK glyphs.
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
    font.setPixelSize(12);
    QApplication::setFont(font);
    QApplication::setWindowIcon(QIcon(new ShippedIcon));
}

} // namespace varnel::ui
