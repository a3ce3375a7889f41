#include "platform/forms/StoredForm.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TScrollBar.h"
#include "platform/forms/ComponentRegistry.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace platform;

namespace {

// A component with a settings sub-object, an event with by-reference
// results and an after-loading step, as a grid would have them.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Length READ length WRITE setLength)

public:
    int length() const { return m_length; }
    void setLength(int length) { m_length = length; }

private:
    int m_length = 1;
};

using TAnswerEvent = std::function<void(QObject *Sender, int Row, int &Answer)>;

class Probe : public QWidget, public Loadable
{
    Q_OBJECT
    Q_PROPERTY(QObject *Bands READ bands)
    Q_PROPERTY(int Count READ count WRITE setCount)

public:
    explicit Probe(QWidget *parent)
        : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    QObject *bands() { return &m_bands; }
    int count() const { return m_count; }
    void setCount(int count)
    {
        m_count = count;
        log += QStringLiteral("Count%1%2;").arg(count).arg(m_loading ? QStringLiteral("(loading)") : QString());
    }
    void loading() override { m_loading = true; }
    void loaded() override
    {
        m_loading = false;
        log += QStringLiteral("loaded;");
    }

    Settings m_bands;
    TAnswerEvent OnAnswer;
    QString log;

private:
    int m_count = 0;
    bool m_loading = false;
};

void registerProbe()
{
    ComponentClass cls{QStringLiteral("TProbe"), [](QWidget *parent) -> QObject * { return new Probe(parent); }, {}};
    addEvent(cls, QStringLiteral("OnAnswer"), &Probe::OnAnswer);
    registerComponentClass(std::move(cls));
}

StoredComponent probeComponent()
{
    return StoredComponent{QStringLiteral("TProbe"),
                           QStringLiteral("Probe1"),
                           {{QStringLiteral("Left"), 5},
                            {QStringLiteral("Top"), 6},
                            {QStringLiteral("Width"), 70},
                            {QStringLiteral("Height"), 80},
                            {QStringLiteral("Count"), 1},
                            {QStringLiteral("Bands.Length"), 3},
                            {QStringLiteral("Count"), 2},
                            {QStringLiteral("TabOrder"), 1}},
                           {{QStringLiteral("OnAnswer"), QStringLiteral("ProbeAnswer")}}};
}

} // namespace

TEST(StoredForm, CreatesRegisteredClassesAppliesPropertiesInOrderAndBindsEvents)
{
    registerProbe();
    QWidget client;
    HandlerTable handlers;
    int calls = 0;
    handlers.add<TAnswerEvent>(QStringLiteral("ProbeAnswer"), [&](QObject *sender, int row, int &answer) {
        ++calls;
        answer = row * 10;
        EXPECT_EQ(sender->objectName(), QStringLiteral("Probe1"));
    });
    handlers.add<TNotifyEvent>(QStringLiteral("ButtonClick"), [&](QObject *) { calls += 100; });

    StoredComponent button{QStringLiteral("TButton"),
                           QStringLiteral("Button1"),
                           {{QStringLiteral("Caption"), QStringLiteral("Go")}, {QStringLiteral("TabOrder"), 0}},
                           {{QStringLiteral("OnClick"), QStringLiteral("ButtonClick")}}};
    const LoadedComponents loaded = loadComponents({probeComponent(), button}, client, handlers);

    ASSERT_EQ(loaded.components.size(), 2u);
    auto *probe = dynamic_cast<Probe *>(loaded.components[0]);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->parent(), &client);
    EXPECT_EQ(probe->geometry(), QRect(5, 6, 70, 80));
    EXPECT_EQ(probe->m_bands.length(), 3);
    EXPECT_EQ(probe->log, QStringLiteral("Count1(loading);Count2(loading);loaded;"));

    int answer = -1;
    ASSERT_TRUE(bool(probe->OnAnswer));
    probe->OnAnswer(probe, 4, answer);
    EXPECT_EQ(answer, 40);
    static_cast<TButton *>(loaded.components[1])->click();
    EXPECT_EQ(calls, 101);

    // Tab order follows TabOrder, not the order of creation.
    ASSERT_EQ(loaded.tabOrder.size(), 2u);
    EXPECT_EQ(loaded.tabOrder[0], loaded.components[1]);
    EXPECT_EQ(loaded.tabOrder[1], loaded.components[0]);
}

TEST(StoredForm, RefusesUnknownClassesPropertiesHandlersAndMismatchedHandlers)
{
    registerProbe();
    QWidget client;
    HandlerTable handlers;
    handlers.add<TNotifyEvent>(QStringLiteral("ProbeAnswer"), [](QObject *) {});

    StoredComponent unknownClass{QStringLiteral("TNoSuchClass"), QStringLiteral("X"), {}, {}};
    EXPECT_THROW(loadComponents({unknownClass}, client, handlers), std::runtime_error);

    StoredComponent unknownProperty = probeComponent();
    unknownProperty.events.clear();
    unknownProperty.properties.push_back({QStringLiteral("NoSuchProperty"), 1});
    EXPECT_THROW(loadComponents({unknownProperty}, client, handlers), std::runtime_error);

    StoredComponent unknownNested = probeComponent();
    unknownNested.events.clear();
    unknownNested.properties.push_back({QStringLiteral("Nothing.Length"), 1});
    EXPECT_THROW(loadComponents({unknownNested}, client, handlers), std::runtime_error);

    // The handler exists but answers another kind of event.
    EXPECT_THROW(loadComponents({probeComponent()}, client, HandlerTable{}), std::runtime_error);
    EXPECT_THROW(loadComponents({probeComponent()}, client, handlers), std::runtime_error);
}

TEST(StoredForm, StandardControlsAreRegistered)
{
    for (const char *name : {"TBevel", "TButton", "TCheckBox", "TEdit", "TImage", "TLabel", "TMemo", "TOpenDialog",
                             "TRadioGroup", "TSaveDialog", "TScrollBar", "TSpinEdit"})
        EXPECT_NE(findComponentClass(QString::fromLatin1(name)), nullptr) << name;
}

#include "StoredFormTest.moc"
