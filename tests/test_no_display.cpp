// Whether the program refuses to start for want of a display, asked before
// any QApplication exists, so the environment is a value and nothing is set;
// the displays answer as the probes here say (a name with "gone" in it
// answers no more). The real probes meet real servers in no_display.sh.
#include "window/NoDisplay.h"

#include <QTest>

#include <vector>

namespace {

QProcessEnvironment environmentOf(const QStringList& variables)
{
    QProcessEnvironment environment;
    for (const QString& variable : variables) {
        const qsizetype equals = variable.indexOf(u'=');
        environment.insert(variable.left(equals), variable.mid(equals + 1));
    }
    return environment;
}

QString messageFor(const QStringList& arguments, const QStringList& variables)
{
    std::vector<QByteArray> bytes{"vorn"};
    for (const QString& argument : arguments) {
        bytes.push_back(argument.toLocal8Bit());
    }
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes) {
        argv.push_back(argument.constData());
    }
    const auto answer = [](const QString& display) {
        return display.contains(u"gone") ? QStringLiteral("connection refused") : QString();
    };
    const DisplayProbes probes{answer, [answer](const QString& display, const QString&) { return answer(display); }};
    return noDisplayMessage(static_cast<int>(argv.size()), argv.data(), environmentOf(variables), probes);
}

}  // namespace

class TestNoDisplay : public QObject {
    Q_OBJECT

private slots:
    void refusesOnlyWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<bool>("refused");

        const QStringList none;
        QTest::newRow("nothing set") << none << none << true;
        QTest::newRow("other variables only") << none << QStringList{"HOME=/root", "XDG_SESSION_TYPE=tty"} << true;
        QTest::newRow("DISPLAY") << none << QStringList{"DISPLAY=:0"} << false;
        QTest::newRow("WAYLAND_DISPLAY") << none << QStringList{"WAYLAND_DISPLAY=wayland-0"} << false;
        QTest::newRow("WAYLAND_SOCKET from the compositor") << none << QStringList{"WAYLAND_SOCKET=3"} << false;
        QTest::newRow("empty DISPLAY and WAYLAND_DISPLAY")
            << none << QStringList{"DISPLAY=", "WAYLAND_DISPLAY="} << true;
        QTest::newRow("QT_QPA_PLATFORM=offscreen") << none << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
        QTest::newRow("empty QT_QPA_PLATFORM") << none << QStringList{"QT_QPA_PLATFORM="} << true;
        // A chosen platform is Qt's to open or fail, as before.
        QTest::newRow("QT_QPA_PLATFORM=xcb left to Qt") << none << QStringList{"QT_QPA_PLATFORM=xcb"} << false;
        QTest::newRow("-platform offscreen") << QStringList{"-platform", "offscreen"} << none << false;
        QTest::newRow("--platform offscreen") << QStringList{"--platform", "offscreen"} << none << false;
        // Qt ignores both, so its default plugin would still abort.
        QTest::newRow("-platform last, without a value") << QStringList{"-platform"} << none << true;
        QTest::newRow("-platform=offscreen") << QStringList{"-platform=offscreen"} << none << true;
        QTest::newRow("offscreen as a plain argument") << QStringList{"offscreen"} << none << true;
        QTest::newRow("-display :0 for X11") << QStringList{"-display", ":0"} << none << false;
        QTest::newRow("-display last, without a value") << QStringList{"-display"} << none << true;
        // Qt tries each display that is set, Wayland first.
        QTest::newRow("DISPLAY that answers no more") << none << QStringList{"DISPLAY=gone:9"} << true;
        QTest::newRow("WAYLAND_DISPLAY whose socket is gone") << none << QStringList{"WAYLAND_DISPLAY=gone-0"} << true;
        QTest::newRow("a gone Wayland beside a live X11")
            << none << QStringList{"WAYLAND_DISPLAY=gone-0", "DISPLAY=:0"} << false;
        QTest::newRow("a live Wayland beside a gone X11")
            << none << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=gone:9"} << false;
        QTest::newRow("both gone") << none << QStringList{"WAYLAND_DISPLAY=gone-0", "DISPLAY=gone:9"} << true;
        QTest::newRow("-display gone before a live DISPLAY") << QStringList{"-display", "gone:9"} << QStringList{"DISPLAY=:0"} << true;
        QTest::newRow("WAYLAND_SOCKET is not probed")
            << none << QStringList{"WAYLAND_SOCKET=3", "WAYLAND_DISPLAY=gone-0"} << false;
        QTest::newRow("a chosen platform is not probed") << none << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=gone:9"} << false;
    }

    void refusesOnlyWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(bool, refused);
        const QString message = messageFor(arguments, variables);
        QCOMPARE(!message.isEmpty(), refused);
    }

    void theRefusalIsOneLineThatSaysWhatToDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("nothing set") << QStringList{} << QStringList{}
                                     << QStringList{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=offscreen"};
        QTest::newRow("both gone") << QStringList{} << QStringList{"WAYLAND_DISPLAY=gone-0", "DISPLAY=gone:9"}
                                   << QStringList{"WAYLAND_DISPLAY=gone-0", "DISPLAY=gone:9", "connection refused",
                                                  "QT_QPA_PLATFORM=offscreen"};
        QTest::newRow("-display gone") << QStringList{"-display", "gone:9"} << QStringList{}
                                       << QStringList{"-display gone:9", "connection refused"};
    }
    void theRefusalIsOneLineThatSaysWhatToDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(QStringList, named);
        const QString message = messageFor(arguments, variables);
        QVERIFY2(message.startsWith(u"vorn: no display"), qPrintable(message));
        QCOMPARE(message.count(u'\n'), 0);
        for (const QString& name : named) QVERIFY2(message.contains(name), qPrintable(message + QStringLiteral(" lacks ") + name));
    }
};

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "test_no_display.moc"
