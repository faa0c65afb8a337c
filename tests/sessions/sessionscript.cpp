#include "sessionscript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QStringList>

namespace sessions {

namespace {

const QStringList types{QStringLiteral("公路和城市道路工程"), QStringLiteral("公路和城市桥梁、隧道工程"),
                        QStringLiteral("建筑、人防工程"), QStringLiteral("园林绿化工程"),
                        QStringLiteral("市政公用工程")};

// Texts users have been known to type, paste or leave behind.
QList<QByteArray> hostileTexts() {
    return {QByteArray(1 << 20, '9'),
            "1e308",
            "1e309",
            "&HFFFFFFFFFFFFFFFF",
            QByteArray("1\0002", 3),
            "\xf0\x9f\x98\x80",
            "\xe2\x80\x8f"
            "5",
            "\xef\xbc\x91\xef\xbc\x92",
            "-0",
            ".",
            "e5",
            "1e",
            "   "};
}

// How to reach a box: the type, the boxes to tick, and the window.
struct Box {
    const char* name;
    int type; // index in `types`, or -1 for any
    QList<const char*> tick;
};

const QList<Box> boxes{
    {"Text1", 2, {}},           {"Text8", 0, {"Check20"}},  {"Text2", 1, {"Check1"}},
    {"Text19", 2, {"Check22"}}, {"Text20", 2, {"Check25"}}, {"Text22", 3, {"Check31"}},
    {"Text21", 4, {"Check27"}}, {"Text10", 2, {"Check13"}}, {"Text11", 2, {"Check14"}},
    {"Text12", 2, {"Check15"}}, {"Text13", 2, {"Check16"}}, {"Text14", 2, {"Check17"}},
    {"Text7", 2, {"Check3"}},   {"Text9", 2, {"Check3"}},   {"Text3", 2, {"Check18", "Check21"}},
};

QByteArray escaped(const QByteArray& text) {
    QByteArray out = text;
    return out.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n");
}

} // namespace

QByteArray hostileSession() {
    QByteArray s;
    for (const QByteArray& text : hostileTexts()) {
        for (const Box& box : boxes) {
            s += "choose Combo2 " + types[box.type].toUtf8() + "\nclick Text6\n";
            for (const char* tick : box.tick)
                s += QByteArray("click ") + tick + "\n";
            s += "type Text1 1000\n";
            s += "type " + QByteArray(box.name) + " " + escaped(text) + "\n";
            s += "click Command1\nstate\nclick Command2\n";
            for (const char* tick : box.tick)
                s += QByteArray("click ") + tick + "\n";
        }
        s += "click Command3\n";
        s += "type Form5.Text1 " + escaped(text) + "\ntype Form5.Text2 15000\nclick Form5.Command1\n";
        s += "type Form5.Text1 2\ntype Form5.Text2 " + escaped(text) + "\nclick Form5.Command1\nstate\n";
    }
    return s;
}

QByteArray longDaySession() {
    QByteArray s;
    for (int i = 0; i < 50; ++i)
        s += "click help\nclick writer\nchoose Combo2 建筑、人防工程\nclick Command3\nclick Command2\n"
             "close Form2\nclose Form3\nclose Form4\nclose Form5\n";
    s += "click Text5\nclick Check7\nclick Check4\nclick Option2\ntype Text1 1500\n";
    for (int i = 0; i < 1000; ++i) {
        if (i % 100 == 0)
            s += "type Text1 " + QByteArray::number(1000 + i * 7) + "\n";
        s += "click Command1\n";
    }
    return s + "click Command2\nstate\n";
}

QByteArray randomSession(std::mt19937& random, int actions) {
    const QStringList clicks{
        QStringLiteral("Text4"),    QStringLiteral("Text5"),         QStringLiteral("Text6"),
        QStringLiteral("Check4"),   QStringLiteral("Option1"),       QStringLiteral("Option2"),
        QStringLiteral("Option3"),  QStringLiteral("Command1"),      QStringLiteral("Command2"),
        QStringLiteral("Command3"), QStringLiteral("help"),          QStringLiteral("soft"),
        QStringLiteral("writer"),   QStringLiteral("Form5.Command1")};
    QStringList checks;
    for (int n = 1; n <= 32; ++n)
        checks << QStringLiteral("Check%1").arg(n);
    const QStringList texts{
        QStringLiteral("Text1"),  QStringLiteral("Text2"),       QStringLiteral("Text3"),
        QStringLiteral("Text7"),  QStringLiteral("Text8"),       QStringLiteral("Text9"),
        QStringLiteral("Text10"), QStringLiteral("Text14"),      QStringLiteral("Text19"),
        QStringLiteral("Text20"), QStringLiteral("Form5.Text1"), QStringLiteral("Form5.Text2")};
    const QStringList values{
        QStringLiteral("1500"),  QStringLiteral("1.2"), QStringLiteral("0.15"),  QStringLiteral("abc"),
        QStringLiteral("1e400"), QStringLiteral("-3"),  QStringLiteral("15000"), QString()};
    const QStringList windows{QStringLiteral("Form2"), QStringLiteral("Form3"), QStringLiteral("Form4"),
                              QStringLiteral("Form5")};
    auto pick = [&](const QStringList& list) { return list[static_cast<qsizetype>(random() % list.size())]; };

    QByteArray s;
    for (int i = 0; i < actions; ++i) {
        const unsigned what = random() % 20;
        QString line;
        if (what < 2)
            line = QStringLiteral("choose Combo2 ") + pick(types);
        else if (what < 10)
            line = QStringLiteral("click ") + pick(checks);
        else if (what < 15)
            line = QStringLiteral("click ") + pick(clicks);
        else if (what < 19)
            line = QStringLiteral("type ") + pick(texts) + QLatin1Char(' ') + pick(values);
        else
            line = QStringLiteral("close ") + pick(windows);
        s += line.toUtf8() + "\nstate\n";
    }
    return s + "vars\n";
}

namespace {

const QSet<QString> knownMessages{QStringLiteral("工程计费额不能小于或等于零！"),
                                  QStringLiteral("你还没有选择工程类型！"),
                                  QStringLiteral("改扩建和技术改造建设项目附加调整系数超标！"),
                                  QStringLiteral("改扩建和技术改造建设项目附加调整系数超标!！"),
                                  QStringLiteral("古建筑、仿古建筑、保护性建筑附加调整系数超标!！"),
                                  QStringLiteral("你还没有选择工程复杂程度！"),
                                  QStringLiteral("请输入自有专利技术收费金额！"),
                                  QStringLiteral("请输入境外设计收费金额！"),
                                  QStringLiteral("请输入境外审核确认收费金额！"),
                                  QStringLiteral("请输入工本费收费金额！"),
                                  QStringLiteral("请输入购买标准图所用金额！"),
                                  QStringLiteral("请输入非标准设备设计额！"),
                                  QStringLiteral("请输入非标准设备计费率！"),
                                  QStringLiteral("非标准设备设计费率不得超标！"),
                                  QStringLiteral("局部修改费率超标！"),
                                  QStringLiteral("输入的数值超出计算范围！"),
                                  QStringLiteral("设计面积不能小于等于零！"),
                                  QStringLiteral("收费单价超标！")};

QString judgeMessage(const QJsonObject& m) {
    const QString text = m.value(QLatin1String("text")).toString();
    const QString icon = m.value(QLatin1String("icon")).toString();
    if (icon != QLatin1String("none"))
        return icon == QLatin1String("exclamation") || icon == QLatin1String("stop")
                   ? QString()
                   : QStringLiteral("unknown icon");
    if (m.value(QLatin1String("title")).toString() != QLatin1String("Varnel"))
        return QStringLiteral("a message without the application title");
    if (knownMessages.contains(text))
        return {};
    if (text.startsWith(QStringLiteral("您的设计收费为")) && text.endsWith(QStringLiteral("万元")) &&
        !text.contains(QLatin1String("inf")) && !text.contains(QLatin1String("nan")))
        return {};
    return QStringLiteral("unknown message: ") + text;
}

bool ticked(const QJsonObject& c, const QString& name) {
    return c.value(name).toObject().value(QLatin1String("value")).toInt() == 1;
}
bool flag(const QJsonObject& c, const QString& name, const char* property) {
    return c.value(name).toObject().value(QLatin1String(property)).toBool();
}
QString text(const QJsonObject& c, const QString& name) {
    return c.value(name).toObject().value(QLatin1String("text")).toString();
}

// The input rules' invariants, as the widgets show them.
QString judgeMainWindow(const QJsonObject& c) {
    const QStringList kinds{QStringLiteral("Check23"), QStringLiteral("Check24"), QStringLiteral("Check25"),
                            QStringLiteral("Check26"), QStringLiteral("Check28"), QStringLiteral("Check29"),
                            QStringLiteral("Check30"), QStringLiteral("Check32")};
    QString kind;
    for (const QString& k : kinds) {
        if (!ticked(c, k))
            continue;
        if (!kind.isEmpty())
            return QStringLiteral("two building kinds ticked");
        kind = k;
    }
    for (const QString& k : kinds)
        if (!kind.isEmpty() && k != kind && flag(c, k, "enabled"))
            return k + QStringLiteral(" enabled beside ") + kind;
    const QList<QPair<const char*, const char*>> shown{{"Check1", "Text2"},   {"Check20", "Text8"},
                                                       {"Check22", "Text19"}, {"Check27", "Text21"},
                                                       {"Check31", "Text22"}, {"Check25", "Text20"}};
    for (const auto& [box, entry] : shown)
        if (!ticked(c, QLatin1String(box)) &&
            (flag(c, QLatin1String(entry), "visible") || !text(c, QLatin1String(entry)).isEmpty()))
            return QLatin1String(entry) + QStringLiteral(" offered while its box is unticked");
    const QList<QPair<const char*, const char*>> enabled{
        {"Check13", "Text10"}, {"Check14", "Text11"}, {"Check15", "Text12"}, {"Check16", "Text13"},
        {"Check17", "Text14"}, {"Check3", "Text7"},   {"Check3", "Text9"}};
    for (const auto& [box, entry] : enabled)
        if (!ticked(c, QLatin1String(box)) &&
            (flag(c, QLatin1String(entry), "enabled") || !text(c, QLatin1String(entry)).isEmpty()))
            return QLatin1String(entry) + QStringLiteral(" offered while its box is unticked");
    if (ticked(c, QStringLiteral("Check19")) && ticked(c, QStringLiteral("Check21")))
        return QStringLiteral("Check19 and Check21 both ticked");
    int chosen = 0;
    for (const char* o : {"Option1", "Option2", "Option3"})
        chosen += flag(c, QLatin1String(o), "value");
    if (chosen > 1)
        return QStringLiteral("two options chosen");
    for (const char* box : {"Text15", "Text16", "Text17", "Text18"}) {
        const QString shownText = text(c, QLatin1String(box));
        if (shownText.contains(QLatin1String("inf")) || shownText.contains(QLatin1String("nan")))
            return QLatin1String(box) + QStringLiteral(" shows ") + shownText;
    }
    return {};
}

QString judgeState(const QJsonObject& state) {
    for (int n = 1; n <= 5; ++n) {
        const QString form = QStringLiteral("Form%1").arg(n);
        if (!state.value(form).isObject())
            return form + QStringLiteral(" missing");
        const QJsonObject w = state.value(form).toObject();
        if (!w.value(QLatin1String("open")).isBool())
            return form + QStringLiteral(" without open");
        if (!w.value(QLatin1String("open")).toBool())
            continue;
        const QJsonValue focus = w.value(QLatin1String("focus"));
        if (!focus.isNull() && !focus.isString())
            return form + QStringLiteral(" with a malformed focus");
        if (!w.value(QLatin1String("controls")).isObject())
            return form + QStringLiteral(" without controls");
        if (n == 1)
            if (QString broken = judgeMainWindow(w.value(QLatin1String("controls")).toObject());
                !broken.isEmpty())
                return broken;
    }
    return {};
}

} // namespace

QString judge(const QByteArray& line) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return QStringLiteral("not a JSON object: ") + QString::fromUtf8(line.left(200));
    const QJsonObject o = doc.object();
    if (o.contains(QLatin1String("message")))
        return judgeMessage(o.value(QLatin1String("message")).toObject());
    if (o.contains(QLatin1String("state")))
        return judgeState(o.value(QLatin1String("state")).toObject());
    if (o.contains(QLatin1String("vars")) || o.contains(QLatin1String("refused")) ||
        o.contains(QLatin1String("exit")))
        return {};
    return QStringLiteral("unknown event: ") + QString::fromUtf8(line.left(200));
}

} // namespace sessions
