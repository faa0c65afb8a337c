#include "sessionscript.h"

#include "support/knownmessages.h"
#include "support/windowinvariants.h"

#include "engine/otherfees.h"
#include "session/mainwindowread.h"
#include "windows/mainwindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace sessions {

namespace {

namespace box = varnel::windows::mainwindow;
namespace windows = varnel::windows;
namespace planning = varnel::windows::planningwindow;

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

// How to reach a box the calculation reads: the type that shows it and the boxes to tick first.
struct Box {
    std::string_view name;
    varnel::engine::EngineeringType type;
    std::vector<std::string_view> tick;
};

// Every such box, from the main window's reading: the amount, each type's renovation coefficient, the
// historic coefficient, and the numbers typed for the other fees.
std::vector<Box> reachableBoxes() {
    using namespace varnel::engine;
    using namespace varnel::session;
    std::vector<Box> reachable{{varnel::windows::mainwindow::amount, EngineeringType::Building, {}}};
    for (EngineeringType type : engineeringTypes)
        reachable.push_back({*entryBox(Entry::RenovationCoefficient, type),
                             type,
                             {*conditionBox(Condition::Renovation, type)}});
    reachable.push_back({*entryBox(Entry::HistoricCoefficient, EngineeringType::Building),
                         EngineeringType::Building,
                         {*conditionBox(Condition::HistoricBuilding, EngineeringType::Building)}});
    for (const OtherFee& fee : otherFees)
        if (fee.charge == Charge::TypedAmount)
            reachable.push_back({*entryBox(fee.amountEntry(), {}),
                                 EngineeringType::Building,
                                 {windows::mainwindow::otherFees.of(fee.service)}});
    for (Entry entry : {Entry::NonstandardEquipmentAmount, Entry::NonstandardEquipmentRate})
        reachable.push_back({*entryBox(entry, {}),
                             EngineeringType::Building,
                             {windows::mainwindow::otherFees.of(Service::NonstandardEquipment)}});
    // 对原设计进行局部调整 is offered only with 采用标准设计和复用设计.
    reachable.push_back({*entryBox(Entry::PartialChangeRate, {}),
                         EngineeringType::Building,
                         {windows::mainwindow::otherFees.of(Service::StandardDesignReuse),
                          windows::mainwindow::otherFees.of(Service::PartialChange)}});
    return reachable;
}

QByteArray utf8(std::string_view s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A control of a window other than the main one, as varnel-script names it: the window, a dot, the control.
QString inWindow(std::string_view form, std::string_view control) {
    return qstring(form) + QLatin1Char('.') + qstring(control);
}

QByteArray escaped(const QByteArray& text) {
    QByteArray out = text;
    return out.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n");
}

} // namespace

QByteArray hostileSession() {
    QByteArray s;
    for (const QByteArray& text : hostileTexts()) {
        for (const Box& reachable : reachableBoxes()) {
            s += "choose Combo2 " + utf8(varnel::engine::engineeringTypeNames[std::size_t(reachable.type)]) +
                 "\nclick Text6\n";
            for (std::string_view tick : reachable.tick)
                s += "click " + utf8(tick) + "\n";
            s += "type Text1 1000\n";
            s += "type " + utf8(reachable.name) + " " + escaped(text) + "\n";
            s += "click Command1\nstate\nclick Command2\n";
            for (std::string_view tick : reachable.tick)
                s += "click " + utf8(tick) + "\n";
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
    // The grade descriptions, the phases, the buttons, the menu items that open a window or a note.
    QStringList clicks;
    for (std::string_view control :
         {box::gradeIDescription, box::gradeIIDescription, box::gradeIIIDescription, box::independentPhase,
          box::preliminaryPhase, box::drawingPhase, box::schemePhase, box::calculate, box::showReport,
          box::planningFee, box::help, box::aboutProgram, box::aboutAuthor})
        clicks << qstring(control);
    clicks << inWindow(windows::planning, planning::calculate);
    // Every check box of the main window, and every box the calculation and the planning window read.
    QStringList checks;
    for (const varnel::forms::ControlDef& c : varnel::windows::mainWindowDefinition().controls)
        if (c.kind == varnel::forms::ControlKind::CheckBox)
            checks << QString::fromStdString(c.name);
    QStringList texts;
    for (const Box& reachable : reachableBoxes())
        texts << qstring(reachable.name);
    texts << inWindow(windows::planning, planning::area) << inWindow(windows::planning, planning::unitPrice);
    const QStringList values{
        QStringLiteral("1500"),  QStringLiteral("1.2"), QStringLiteral("0.15"),  QStringLiteral("abc"),
        QStringLiteral("1e400"), QStringLiteral("-3"),  QStringLiteral("15000"), QString()};
    QStringList closable;
    for (std::string_view form : {windows::report, windows::help, windows::author, windows::planning})
        closable << qstring(form);
    auto pick = [&](const QStringList& list) { return list[static_cast<qsizetype>(random() % list.size())]; };

    QByteArray s;
    for (int i = 0; i < actions; ++i) {
        const unsigned what = random() % 20;
        QString line;
        if (what < 2)
            line = QStringLiteral("choose ") + qstring(box::typeList) + QLatin1Char(' ') + pick(types);
        else if (what < 10)
            line = QStringLiteral("click ") + pick(checks);
        else if (what < 15)
            line = QStringLiteral("click ") + pick(clicks);
        else if (what < 19)
            line = QStringLiteral("type ") + pick(texts) + QLatin1Char(' ') + pick(values);
        else
            line = QStringLiteral("close ") + pick(closable);
        s += line.toUtf8() + "\nstate\n";
    }
    return s + "vars\n";
}

namespace {

bool isKnownMessage(const QString& text) {
    const std::string utf8 = text.toStdString();
    for (std::string_view known : varnel::test::calculationMessages)
        if (utf8 == known)
            return true;
    for (std::string_view known : varnel::test::planningMessages)
        if (utf8 == known)
            return true;
    return false;
}

QString judgeMessage(const QJsonObject& m) {
    const QString text = m.value(QLatin1String("text")).toString();
    const QString icon = m.value(QLatin1String("icon")).toString();
    if (icon != QLatin1String("none"))
        return icon == QLatin1String("exclamation") || icon == QLatin1String("stop")
                   ? QString()
                   : QStringLiteral("unknown icon");
    if (m.value(QLatin1String("title")).toString() != QLatin1String("Varnel"))
        return QStringLiteral("a message without the application title");
    if (isKnownMessage(text))
        return {};
    if (text.startsWith(QStringLiteral("您的设计收费为")) && text.endsWith(QStringLiteral("万元")) &&
        !text.contains(QLatin1String("inf")) && !text.contains(QLatin1String("nan")))
        return {};
    return QStringLiteral("unknown message: ") + text;
}

// The main window's controls as a printed state shows them, read the way the control model is read.
class PrintedWindow {
  public:
    explicit PrintedWindow(const QJsonObject& controls) : m_controls(controls) {}
    bool ticked(std::string_view name) const { return value(name) == 1; }
    bool enabled(std::string_view name) const { return property(name, "enabled").toBool(); }
    bool visible(std::string_view name) const { return property(name, "visible").toBool(); }
    int value(std::string_view name) const {
        const QJsonValue v = property(name, "value");
        return v.isBool() ? int(v.toBool()) : v.toInt();
    }
    std::string text(std::string_view name) const { return property(name, "text").toString().toStdString(); }

  private:
    QJsonValue property(std::string_view name, const char* key) const {
        return m_controls.value(QString::fromUtf8(name.data(), qsizetype(name.size())))
            .toObject()
            .value(QLatin1String(key));
    }
    QJsonObject m_controls;
};

QString judgeMainWindow(const QJsonObject& controls) {
    const PrintedWindow w(controls);
    if (const std::string broken = varnel::test::brokenInvariant(w); !broken.empty())
        return QString::fromStdString(broken);
    for (std::string_view result : {box::basicFee, box::otherFee, box::benchmarkFee, box::phaseLineShare}) {
        const QString shown = QString::fromStdString(w.text(result));
        if (shown.contains(QLatin1String("inf")) || shown.contains(QLatin1String("nan")))
            return qstring(result) + QStringLiteral(" shows ") + shown;
    }
    return {};
}

QString judgeState(const QJsonObject& state) {
    for (std::string_view name :
         {windows::main, windows::report, windows::help, windows::author, windows::planning}) {
        const QString form = qstring(name);
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
        if (name == windows::main)
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
