// The main function of the widget tests: each runs with user folders of its own, and fails on a modal
// dialog that it leaves unanswered.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace varnel::test {

// Points the XDG folders at a temporary one before the application starts, so that the program's settings
// and recent projects are read and written there and never in the user's own.
class PrivateUserFolders {
  public:
    PrivateUserFolders() {
        if (!m_folder.isValid())
            qFatal("no temporary folder for the user's settings");
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            qputenv(name, m_folder.filePath(QString::fromLatin1(name)).toLocal8Bit());
    }

  private:
    QTemporaryDir m_folder;
};

// A modal dialog that is still open after `grace` fails the running test and is closed, so that a test
// waiting on a question nobody answers ends at once, saying what was asked. A test that expects a dialog
// answers it well within that time.
class UnexpectedDialogs : public QObject {
  public:
    explicit UnexpectedDialogs(int graceMs = 2000) : m_graceMs(graceMs) {
        m_watch.setInterval(50);
        connect(&m_watch, &QTimer::timeout, this, [this] { look(); });
        m_watch.start();
    }

    // Whether one was found while no test function ran (in initTestCase's absence, or after the last).
    bool foundOutsideATest() const { return m_outside; }

  private:
    struct Seen {
        QPointer<QDialog> dialog;
        QElapsedTimer since;
    };

    void look() {
        std::erase_if(m_seen, [](const Seen& s) { return !s.dialog || !s.dialog->isVisible(); });
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!dialog || !dialog->isVisible() ||
                (!dialog->isModal() && dialog->windowModality() == Qt::NonModal))
                continue;
            auto seen =
                std::find_if(m_seen.begin(), m_seen.end(), [&](const Seen& s) { return s.dialog == dialog; });
            if (seen == m_seen.end()) {
                m_seen.push_back({dialog, {}});
                m_seen.back().since.start();
            } else if (seen->since.elapsed() >= m_graceMs) {
                fail(dialog);
            }
        }
    }

    void fail(QDialog* dialog) {
        QString what =
            QStringLiteral("an unexpected %1 \"%2\"")
                .arg(QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle());
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            what += QStringLiteral(": ") + box->text();
        dialog->reject();
        if (QTest::runningTest())
            QTest::qFail(qPrintable(what), __FILE__, __LINE__);
        else
            qCritical("%s, outside a test function", qPrintable(what));
        m_outside = m_outside || !QTest::runningTest();
    }

    int m_graceMs;
    QTimer m_watch;
    std::vector<Seen> m_seen;
    bool m_outside = false;
};

} // namespace varnel::test

// QTEST_MAIN for the widget tests, with the two guards above.
#define VARNEL_WIDGET_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char* argv[]) {                                                                       \
        varnel::test::PrivateUserFolders folders;                                                            \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        varnel::test::UnexpectedDialogs dialogs;                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        const int failed = QTest::qExec(&tc, argc, argv);                                                    \
        return failed ? failed : dialogs.foundOutsideATest() ? 1 : 0;                                        \
    }
