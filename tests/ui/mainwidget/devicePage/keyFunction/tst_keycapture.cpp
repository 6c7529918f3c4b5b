// Key capture of the remap and combination pages: the keys handed over in
// order give the field's text, the stored Value and the on-screen keyboard's
// signals; the global hooks are on exactly while the capture field has focus.

#include "keyFunctionPages.h"

#include "WindowsHookInterface.h"

#include <QApplication>
#include <QVBoxLayout>
#include <QtTest>

using Kfc = keyFunctionCatalogue;
using Usages = QList<int>;

namespace {

constexpr int kKey = KeyFunctionFixture::kKey;
constexpr int kUnknown = 99;

// Stands in for the system hooks; records whether they are set.
class RecordingHookBackend : public InputHookBackend
{
public:
    bool setKeyboardHook(KeyboardProc) override { return keyboard = true; }
    bool setMouseHook(MouseProc) override { return mouse = true; }
    void unhookKeyboard() override { keyboard = false; }
    void unhookMouse() override { mouse = false; }
    long lastError() const override { return 0; }

    bool keyboard = false;
    bool mouse = false;
};

} // namespace

class tst_KeyCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void combination_data();
    void combination();
    void combinationReloadsInBitOrder();
    void remap_data();
    void remap();
    void hooksFollowTheFieldsFocus_data();
    void hooksFollowTheFieldsFocus();
    void destroyedPageReleasesTheHooks();

private:
    RecordingHookBackend *m_backend = nullptr;
};

void tst_KeyCapture::initTestCase()
{
    auto backend = std::make_unique<RecordingHookBackend>();
    m_backend = backend.get();
    WindowsHookInterface::setHookBackend(std::move(backend));
}

void tst_KeyCapture::cleanupTestCase()
{
    WindowsHookInterface::setHookBackend(nullptr);
}

void tst_KeyCapture::combination_data()
{
    QTest::addColumn<Usages>("keys");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("stored"); // empty: OK stores nothing
    QTest::addColumn<int>("unmarkAll");     // sigSoftKeyboardClickedKeyReset, before OK
    QTest::addColumn<Usages>("unmarkOne");  // sigResetSoftKeyStatusToDefault

    QTest::newRow("one modifier") << Usages{224, 4} << "L_CTRL+A" << QByteArray("1,4") << 1 << Usages{};
    QTest::newRow("press order shown") << Usages{225, 224, 4} << "L_SHIFT+L_CTRL+A" << QByteArray("3,4") << 1
                                       << Usages{};
    QTest::newRow("right-hand modifiers") << Usages{231, 228, 5} << "R_WIN+R_CTRL+B" << QByteArray("144,5") << 1
                                          << Usages{};
    QTest::newRow("modifier twice") << Usages{224, 224, 4} << "L_CTRL+A" << QByteArray("1,4") << 1 << Usages{};
    QTest::newRow("third modifier refused") << Usages{224, 225, 226} << "L_CTRL+L_SHIFT" << QByteArray() << 0
                                            << Usages{226};
    QTest::newRow("third modifier, then a key") << Usages{224, 225, 226, 4} << "L_CTRL+L_SHIFT+A"
                                                << QByteArray("3,4") << 1 << Usages{226};
    QTest::newRow("normal key first") << Usages{4} << "" << QByteArray() << 1 << Usages{};
    QTest::newRow("normal key first, then modifier and key") << Usages{4, 224, 5} << "L_CTRL+B" << QByteArray("1,5")
                                                             << 2 << Usages{};
    QTest::newRow("key after completion") << Usages{224, 4, 5} << "" << QByteArray() << 2 << Usages{};
    QTest::newRow("modifier after completion") << Usages{224, 4, 225} << "L_SHIFT" << QByteArray() << 1
                                               << Usages{};
    QTest::newRow("unknown key after a modifier") << Usages{224, kUnknown} << "L_CTRL" << QByteArray() << 0
                                                  << Usages{};
    QTest::newRow("unknown key after two") << Usages{224, 225, kUnknown} << "L_CTRL+L_SHIFT" << QByteArray() << 0
                                           << Usages{kUnknown};
}

void tst_KeyCapture::combination()
{
    QFETCH(Usages, keys);
    QFETCH(QString, field);
    QFETCH(QByteArray, stored);
    QFETCH(int, unmarkAll);
    QFETCH(Usages, unmarkOne);

    KeyFunctionFixture f;
    PageDriver d = makeDriver(QStringLiteral("DKeyCombinationPage"), f);
    d.setUp(f.profilePath, 1, 0);
    auto *page = qobject_cast<DKeyCombinationPage *>(d.page.get());
    QSignalSpy all(page, &DKeyCombinationPage::sigSoftKeyboardClickedKeyReset);
    QSignalSpy one(page, &DKeyCombinationPage::sigResetSoftKeyStatusToDefault);
    PageSignals spies(page);
    for (int usage : keys)
        page->addCapturedKey(usage);
    QCOMPARE(page->findChild<QLineEdit *>()->text(), field);
    QCOMPARE(all.count(), unmarkAll);
    Usages refused;
    for (const QVariantList &args : one)
        refused.append(args.first().toInt());
    QCOMPARE(refused, unmarkOne);

    d.ok();
    if (stored.isEmpty()) {
        QCOMPARE(f.stored(kKey), noBinding());
        QCOMPARE(spies.saved.count(), 0);
    } else {
        QCOMPARE(f.stored(kKey), binding(Kfc::OperateCombination, stored));
        QCOMPARE(spies.saved.count(), 1);
        QCOMPARE(all.count(), unmarkAll + 1); // after the save's signals
        QCOMPARE(page->findChild<QLineEdit *>()->text(), field);
        // Saved once: the same OK again writes nothing.
        d.ok();
        QCOMPARE(spies.saved.count(), 1);
    }
}

void tst_KeyCapture::combinationReloadsInBitOrder()
{
    KeyFunctionFixture f;
    PageDriver d = makeDriver(QStringLiteral("DKeyCombinationPage"), f);
    d.setUp(f.profilePath, 1, 0);
    auto *page = qobject_cast<DKeyCombinationPage *>(d.page.get());
    for (int usage : {225, 224, 4})
        page->addCapturedKey(usage);
    d.ok();
    page->loadCurrentKeyFunction();
    QCOMPARE(page->findChild<QLineEdit *>()->text(), QStringLiteral("L_CTRL+L_SHIFT+A"));
    // Cancel empties the field and keeps the stored combination.
    PageSignals spies(page);
    page->addCapturedKey(226);
    d.cancel();
    QCOMPARE(page->findChild<QLineEdit *>()->text(), QString());
    QCOMPARE(spies.cancelled.count(), 1);
    QCOMPARE(f.stored(kKey), binding(Kfc::OperateCombination, "3,4"));
    // The device page empties the field when it re-targets the page.
    page->addCapturedKey(224);
    page->clearCaptureText();
    QCOMPARE(page->findChild<QLineEdit *>()->text(), QString());
}

void tst_KeyCapture::remap_data()
{
    QTest::addColumn<Usages>("keys");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("a key") << Usages{5} << "B" << QByteArray("5");
    QTest::newRow("the last key counts") << Usages{5, 40} << "Enter" << QByteArray("40");
    QTest::newRow("a modifier is a key") << Usages{225} << "L_Shift" << QByteArray("225");
    QTest::newRow("unknown key ignored") << Usages{5, kUnknown} << "B" << QByteArray("5");
    QTest::newRow("only unknown keys") << Usages{kUnknown} << "" << QByteArray();
}

void tst_KeyCapture::remap()
{
    QFETCH(Usages, keys);
    QFETCH(QString, field);
    QFETCH(QByteArray, stored);
    KeyFunctionFixture f;
    PageDriver d = makeDriver(QStringLiteral("DChangeKeyPage"), f);
    d.setUp(f.profilePath, 1, 0);
    auto *page = qobject_cast<DChangeKeyPage *>(d.page.get());
    PageSignals spies(page);
    for (int usage : keys)
        page->setCapturedKey(usage);
    QCOMPARE(page->findChild<QLineEdit *>()->text(), field);
    d.ok();
    QCOMPARE(f.stored(kKey), stored.isEmpty() ? noBinding() : binding(Kfc::OperateRemap, stored));
    QCOMPARE(spies.saved.count(), stored.isEmpty() ? 0 : 1);

    if (!stored.isEmpty()) {
        // Taken once; after the save the same key can be captured again.
        d.ok();
        QCOMPARE(spies.saved.count(), 1);
        page->setCapturedKey(keys.last() == kUnknown ? keys.first() : keys.last());
        d.ok();
        QCOMPARE(spies.saved.count(), 2);
        // Cancel keeps the field.
        d.cancel();
        QCOMPARE(page->findChild<QLineEdit *>()->text(), field);
    }
}

void tst_KeyCapture::hooksFollowTheFieldsFocus_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("remap") << "DChangeKeyPage";
    QTest::newRow("combination") << "DKeyCombinationPage";
}

void tst_KeyCapture::hooksFollowTheFieldsFocus()
{
    QFETCH(QString, page);
    KeyFunctionFixture f;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *elsewhere = new QLineEdit(&window);
    layout->addWidget(elsewhere);
    PageDriver d = makeDriver(page, f);
    d.page->setParent(&window);
    layout->addWidget(d.page.get());
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    elsewhere->setFocus();
    QTRY_VERIFY(elsewhere->hasFocus());
    QVERIFY(!m_backend->keyboard);

    QSignalSpy focus(d.page.get(), SIGNAL(sigChangKeyOrCombinationKeyFocusIn(bool)));
    // Pointing the page at a key gives its field the focus.
    d.setUp(f.profilePath, 1, 0);
    auto *field = d.page->findChild<QLineEdit *>();
    QTRY_VERIFY(field->hasFocus());
    QVERIFY(m_backend->keyboard);
    QVERIFY(m_backend->mouse);
    QCOMPARE(focus.count(), 1);
    QCOMPARE(focus.last().first().toBool(), true);

    elsewhere->setFocus();
    QTRY_VERIFY(!field->hasFocus());
    QVERIFY(!m_backend->keyboard);
    QVERIFY(!m_backend->mouse);
    QCOMPARE(focus.last().first().toBool(), false);

    field->setFocus();
    QTRY_VERIFY(m_backend->keyboard);
    d.page->hide(); // the device page shows another page
    QTRY_VERIFY(!m_backend->keyboard);
    d.page.release(); // owned by the window from here
}

void tst_KeyCapture::destroyedPageReleasesTheHooks()
{
    KeyFunctionFixture f;
    for (const QString &name : {QStringLiteral("DChangeKeyPage"), QStringLiteral("DKeyCombinationPage")}) {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        PageDriver d = makeDriver(name, f);
        d.page->setParent(&window);
        layout->addWidget(d.page.get());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        d.setUp(f.profilePath, 1, 0);
        QTRY_VERIFY(m_backend->keyboard);
        d.page.reset(); // with the focus still in its field
        QVERIFY2(!m_backend->keyboard, qPrintable(name));
        QVERIFY(!m_backend->mouse);
    }
}

QTEST_MAIN(tst_KeyCapture)
#include "tst_keycapture.moc"
