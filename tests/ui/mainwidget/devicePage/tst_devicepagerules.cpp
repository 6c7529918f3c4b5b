// The device page's plain rules: which paths a list adds and removes, which
// device is selected after a change, where a device's profile file lives,
// what a new profile holds, and the colours and style sheets of a theme.
#include "DDataManager.h"
#include "deviceModelSets.h"
#include "deviceOperationQueue.h"
#include "devicePageTheme.h"
#include "faintPictureTint.h"
#include "deviceProfileFiles.h"
#include "deviceSelection.h"
#include "hidPathChanges.h"
#include "profileDefaults.h"
#include "xmlInterface.h"

#include <QFile>
#include <QGraphicsEffect>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cstring>

using deviceSelection::attachedDevice;

namespace {

const QString kSerial = QStringLiteral("0123456789abcdefABCDEF_-01234567");

QList<attachedDevice> devices(const QString &spec)
{
    // "k1 m2": keyboard at path "1", mouse at path "2".
    QList<attachedDevice> list;
    for (const QString &item : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list.append({item.mid(1), item.at(0) == QLatin1Char('m') ? 1 : 0});
    return list;
}

QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Warnings of Qt's style-sheet parser while a sheet is applied.
QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        g_warnings.append(text);
}

} // namespace

class tst_DevicePageRules : public QObject
{
    Q_OBJECT

private slots:
    void pathChanges_data()
    {
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("removed");
        QTest::newRow("nothing") << "" << "" << "" << "";
        QTest::newRow("same") << "a b" << "b a" << "" << "";
        QTest::newRow("one came") << "a" << "a b" << "b" << "";
        QTest::newRow("one went") << "a b" << "a" << "" << "b";
        QTest::newRow("hub went") << "a b c d" << "a" << "" << "b c d";
        QTest::newRow("hub came") << "" << "x y z" << "x y z" << "";
        QTest::newRow("both ways") << "a b c" << "c d a e" << "d e" << "b";
        QTest::newRow("all went") << "a b" << "" << "" << "a b";
        QTest::newRow("doubles counted once") << "a a" << "b b" << "b" << "a";
    }
    void pathChanges()
    {
        QFETCH(QString, taken);
        QFETCH(QString, latest);
        QFETCH(QString, added);
        QFETCH(QString, removed);
        const hidPathChanges changes = hidPathChanges::compare(words(taken), words(latest));
        QCOMPARE(changes.added, words(added));
        QCOMPARE(changes.removed, words(removed));
        QCOMPARE(changes.isEmpty(), added.isEmpty() && removed.isEmpty());
    }

    void newList_data()
    {
        QTest::addColumn<QString>("attached");
        QTest::addColumn<QString>("selections");
        QTest::newRow("none") << "" << "";
        QTest::newRow("one keyboard") << "k1" << "1";
        QTest::newRow("keyboards only") << "k1 k2 k3" << "1";
        QTest::newRow("keyboard then mouse") << "k1 k2 m3" << "1 3";
        QTest::newRow("mouse first") << "m3 k1 k2" << "3 1";
    }
    void newList()
    {
        QFETCH(QString, attached);
        QFETCH(QString, selections);
        QCOMPARE(deviceSelection::onNewList(devices(attached)), words(selections));
    }

    // attached: the devices with rows after the change; selected: the path
    // and type selected before it.
    void afterChange_data()
    {
        QTest::addColumn<QString>("attached");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("selectedType");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("selections");
        QTest::newRow("first device") << "k1" << "" << -1 << "1" << "" << "1";
        QTest::newRow("second keyboard joins") << "k1 k2" << "1" << 0 << "2" << "" << "";
        QTest::newRow("mouse is selected") << "k1 m2" << "1" << 0 << "2" << "" << "2";
        QTest::newRow("keyboard after mouse") << "m2 k1" << "2" << 1 << "1" << "" << "1";
        QTest::newRow("selected left, same type stays") << "k1 m3 k2" << "4" << 0 << "" << "4" << "1";
        QTest::newRow("selected left, first of its type") << "m3 k2 k5" << "4" << 0 << "" << "4" << "2";
        QTest::newRow("selected left, other type only") << "m3" << "1" << 0 << "" << "1" << "3";
        QTest::newRow("last left") << "" << "1" << 0 << "" << "1" << "";
        QTest::newRow("other left, selection kept") << "k1" << "1" << 0 << "" << "2" << "";
        QTest::newRow("hub left with the selection") << "k1" << "3" << 1 << "" << "2 3 4" << "1";
        QTest::newRow("replugged at once, selected") << "k1 m2" << "1" << 0 << "1" << "1" << "1";
        QTest::newRow("replugged at once, other type") << "k1 m2" << "1" << 0 << "2" << "2" << "2";
        QTest::newRow("replaced by a keyboard") << "m2 k5" << "1" << 0 << "5" << "1" << "5";
        QTest::newRow("keyboard and mouse came") << "k1 m2" << "" << -1 << "1 2" << "" << "1 2";
        QTest::newRow("added but gone again") << "k1" << "1" << 0 << "9" << "" << "";
    }
    void afterChange()
    {
        QFETCH(QString, attached);
        QFETCH(QString, selected);
        QFETCH(int, selectedType);
        QFETCH(QString, added);
        QFETCH(QString, removed);
        QFETCH(QString, selections);
        hidPathChanges changes;
        changes.added = words(added);
        changes.removed = words(removed);
        QCOMPARE(deviceSelection::afterChange(devices(attached), selected, selectedType, changes), words(selections));
    }

    void hasType()
    {
        QVERIFY(deviceSelection::hasType(devices("k1 m2"), 1));
        QVERIFY(!deviceSelection::hasType(devices("k1 k2"), 1));
        QVERIFY(!deviceSelection::hasType({}, 0));
    }

    // What comes during an operation waits for its end; the latest list and
    // the latest selection win.
    void operationQueue()
    {
        auto record = [](const char *path) {
            hidStructInfo info;
            std::memset(&info, 0, sizeof info);
            fixedTextCopy(info.hidPath, path);
            return info;
        };
        deviceOperationQueue queue;
        QVERIFY(!queue.isBusy());
        queue.begin();
        queue.begin();
        QVERIFY(queue.isBusy());
        QVERIFY(!queue.pendingListLacks(QStringLiteral("/a")));
        queue.deferList({record("/a"), record("/b")});
        queue.deferSelection(QStringLiteral("/a"), 1);
        queue.deferList({record("/b")});
        queue.deferSelection(QStringLiteral("/b"), 2);
        queue.deferReconcile();
        QVERIFY(queue.pendingListLacks(QStringLiteral("/a")));
        QVERIFY(!queue.pendingListLacks(QStringLiteral("/b")));
        QVERIFY(!queue.end());
        QVERIFY(queue.end());
        QVERIFY(!queue.isBusy());
        const deviceOperationQueue::Pending pending = queue.take();
        QVERIFY(pending.hasList);
        QCOMPARE(pending.list.size(), 1);
        QCOMPARE(fixedText(pending.list.first().hidPath), QStringLiteral("/b"));
        QVERIFY(pending.reconcile);
        QVERIFY(!pending.showFirst);
        QCOMPARE(pending.selection, QStringLiteral("/b"));
        QCOMPARE(pending.selectionFrom, 2);
        QVERIFY(queue.take().isEmpty());
        QVERIFY(!queue.pendingListLacks(QStringLiteral("/a")));
    }

    void profilePaths_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("path"); // under "/u"; empty: none
        QTest::newRow("plain") << "Quissaro" << kSerial << "/u/Quissaro/" + kSerial + "/pardexProFile.xml";
        QTest::newRow("model with blanks") << "Hid Name" << kSerial << "/u/Hid Name/" + kSerial + "/pardexProFile.xml";
        QTest::newRow("empty serial") << "Quissaro" << "" << "";
        QTest::newRow("short serial") << "Quissaro" << "1234567890" << "";
        QTest::newRow("long serial") << "Quissaro" << kSerial + "0" << "";
        QTest::newRow("path in serial") << "Quissaro" << "../../../../../../../../../etc/x" << "";
        QTest::newRow("blank in serial") << "Quissaro" << "0123456789abcdef 123456789abcdef" << "";
        QTest::newRow("non-ASCII serial") << "Quissaro" << QString::fromUtf8("0123456789abcdefé123456789abcde") << "";
        QTest::newRow("empty model") << "" << kSerial << "";
        QTest::newRow("dot") << "." << kSerial << "";
        QTest::newRow("dot dot") << ".." << kSerial << "";
        QTest::newRow("slash in model") << "a/b" << kSerial << "";
        QTest::newRow("backslash in model") << "a\\b" << kSerial << "";
        QTest::newRow("absolute model") << "/etc" << kSerial << "";
        QTest::newRow("NUL in model") << QString::fromLatin1("a\0b", 3) << kSerial << "";
    }
    void profilePaths()
    {
        QFETCH(QString, model);
        QFETCH(QString, serial);
        QFETCH(QString, path);
        QCOMPARE(deviceProfileFiles::profilePath(QStringLiteral("/u"), model, serial), path);
        QCOMPARE(deviceProfileFiles::deviceFolder(QStringLiteral("/u"), model, serial).isEmpty(), path.isEmpty());
    }

    void deviceFolderIsMadeInTwoSteps()
    {
        QTemporaryDir dir;
        QVERIFY(deviceProfileFiles::makeDeviceFolder(dir.path(), QStringLiteral("Quissaro"), kSerial));
        QVERIFY(QFileInfo(dir.path() + "/Quissaro/" + kSerial).isDir());
        QVERIFY(deviceProfileFiles::makeDeviceFolder(dir.path(), QStringLiteral("Quissaro"), kSerial)); // there
        QVERIFY(!deviceProfileFiles::makeDeviceFolder(dir.path(), QStringLiteral(".."), kSerial));
        QVERIFY(!deviceProfileFiles::makeDeviceFolder(dir.path() + "/missing/x", QStringLiteral("Quissaro"), kSerial));
        // A file where the model folder should be.
        QFile blocker(dir.path() + "/Rulvarro");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!deviceProfileFiles::makeDeviceFolder(dir.path(), QStringLiteral("Rulvarro"), kSerial));
    }

    void unreadableFilesAreSetAside()
    {
        QTemporaryDir dir;
        xmlInterface xml;
        const QString path = dir.filePath(QStringLiteral("pardexProFile.xml"));
        QCOMPARE(deviceProfileFiles::inspect(xml, path), deviceProfileFiles::FileState::Missing);
        QVERIFY(xml.createXmlFile(path));
        QCOMPARE(deviceProfileFiles::inspect(xml, path), deviceProfileFiles::FileState::Usable);

        for (const QByteArray &bad : {QByteArray(), QByteArray("<Parameters profileIndex=\"1\"><config"),
                                      QByteArray("\x01\x02 not xml")}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bad);
            f.close();
            QCOMPARE(deviceProfileFiles::inspect(xml, path), deviceProfileFiles::FileState::Unreadable);
        }
        const QDateTime when(QDate(2024, 3, 7), QTime(10, 20, 30));
        const QString first = deviceProfileFiles::setAside(path, when);
        QCOMPARE(first, path + ".2024_03_07_10_20_30.unreadable");
        QVERIFY(!QFileInfo::exists(path));
        QFile again(path);
        QVERIFY(again.open(QIODevice::WriteOnly));
        again.close();
        // Never over an earlier one.
        QCOMPARE(deviceProfileFiles::setAside(path, when), path + ".2024_03_07_10_20_30_2.unreadable");
        QVERIFY(QFileInfo::exists(first));
        QVERIFY(deviceProfileFiles::setAside(path, when).isEmpty()); // nothing left to move
    }

    void modelSets_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("sideBreath");
        QTest::addColumn<bool>("onboardFn");
        QTest::newRow("Rulvarro") << "Rulvarro" << true << true;
        QTest::newRow("Varrowen") << "Varrowen" << true << false;
        QTest::newRow("Quissaro") << "Quissaro" << false << false;
        QTest::newRow("Rosquine") << "Rosquine" << false << false;
        QTest::newRow("Ryzzmond") << "Ryzzmond" << false << false;
        QTest::newRow("Bovelli") << "Bovelli" << false << false;
        QTest::newRow("case counts") << "rulvarro" << false << false;
    }
    void modelSets()
    {
        QFETCH(QString, model);
        QFETCH(bool, sideBreath);
        QFETCH(bool, onboardFn);
        QCOMPARE(deviceModelSets::isSideBreathModel(model), sideBreath);
        QCOMPARE(deviceModelSets::isOnboardFnModel(model), onboardFn);
    }

    // The on-board layer menu without Mac and Dvorak belongs to the number
    // pads, told by the layout's key count.
    void numberPadKeyCounts_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<bool>("numberPad");
        QTest::newRow("34 keys") << 34 << true;
        QTest::newRow("21 keys") << 21 << true;
        for (int count : {104, 108, 98, 87, 84, 68, 63, 61, 0})
            QTest::newRow(qPrintable(QStringLiteral("%1 keys").arg(count))) << count << false;
    }
    void numberPadKeyCounts()
    {
        QFETCH(int, keyCount);
        QFETCH(bool, numberPad);
        QCOMPARE(deviceModelSets::isNumberPadKeyCount(keyCount), numberPad);
    }

    // No shipped keyboard is a number pad: every one offers Mac and Dvorak.
    void shippedModelsOfferEveryLayout()
    {
        xmlInterface xml;
        QList<hidModelInfo> models;
        QVERIFY(xml.getHidModelList(qEnvironmentVariable("VELMORA_SOURCE_DIR") + "/images/configDir/hidList.xml",
                                    models));
        QCOMPARE(models.size(), 5);
        for (const hidModelInfo &m : models)
            QVERIFY2(!deviceModelSets::isNumberPadKeyCount(m.keyNum), m.hidName);
    }

    // The two Breath models are the 68- and the 87-key keyboards.
    void sideBreathModelsByKeyCount()
    {
        xmlInterface xml;
        QList<hidModelInfo> models;
        QVERIFY(xml.getHidModelList(qEnvironmentVariable("VELMORA_SOURCE_DIR") + "/images/configDir/hidList.xml",
                                    models));
        QList<int> counts;
        for (const char *name : deviceModelSets::sideBreathModels) {
            for (const hidModelInfo &m : models) {
                if (QLatin1String(m.hidName) == QLatin1String(name))
                    counts.append(m.keyNum);
            }
        }
        QCOMPARE(counts, (QList<int>{68, 87}));
    }

    void keyboardDefaults_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sideEffect");
        QTest::newRow("plain") << "Quissaro" << 2;
        QTest::newRow("Breath model") << "Varrowen" << 1;
    }
    void keyboardDefaults()
    {
        QFETCH(QString, model);
        QFETCH(int, sideEffect);
        QTemporaryDir dir;
        xmlInterface xml;
        const QString path = dir.filePath(QStringLiteral("p.xml"));
        QVERIFY(xml.createXmlFile(path));
        QVERIFY(xml.addProfile(path, "3", "Profile3", "", "", 0));
        QVERIFY(profileDefaults::writeKeyboardLightItems(xml, path, 3, model));
        QVERIFY(profileDefaults::writeKeyboardSideRule(xml, path, 3, model));
        for (int zone = 0; zone < 3; ++zone) {
            const int effect = zone == 1 ? sideEffect : 2;
            colorInfoData item{};
            QVERIFY(xml.getLightInfo(path, "3", zone, effect, item));
            QCOMPARE(item.ledKeyboardOrSide, zone);
            QCOMPARE(item.ledBrightness, 3);
            QCOMPARE(item.ledSpeed, 3);
            QCOMPARE((QList<int>{item.ledModeR, item.ledModeG, item.ledModeB}), (QList<int>{255, 0, 0}));
            QCOMPARE((QList<int>{item.ledBgR, item.ledBgG, item.ledBgB, item.ledDirection}), (QList<int>{0, 0, 0, 0}));
            QCOMPARE(item.ledModeType, 1);
            QCOMPARE(xml.getLightUsingIndex(path, "3", zone), effect);
            QVERIFY(!xml.hasLightInfo(path, "3", zone, effect == 2 ? 1 : 2));
        }
    }

    void mouseDefaults()
    {
        QTemporaryDir dir;
        xmlInterface xml;
        const QString path = dir.filePath(QStringLiteral("p.xml"));
        QVERIFY(xml.createXmlFile(path));
        QVERIFY(xml.addProfile(path, "1", "Profile1", "", "", 1));
        QVERIFY(profileDefaults::writeMouseSettings(xml, path, 1));
        for (int zone = 0; zone < 3; ++zone)
            QVERIFY(xml.hasLightInfo(path, "1", zone, 2));
        QList<dpiConfigInfo> levels;
        QVERIFY(xml.getDpiList(path, "1", levels));
        const QList<QList<int>> expected = {
            {1, 1, 0, 800, 800, 255, 0, 0},     {1, 2, 0, 1500, 1500, 255, 255, 0},
            {1, 3, 0, 2200, 2200, 0, 255, 0},   {1, 4, 0, 2900, 2900, 0, 255, 255},
            {1, 5, 0, 3600, 3600, 0, 0, 255},   {1, 6, 0, 600, 600, 128, 0, 255},
        };
        QCOMPARE(levels.size(), expected.size());
        for (int i = 0; i < levels.size(); ++i) {
            const dpiConfigInfo &l = levels.at(i);
            QCOMPARE((QList<int>{l.selectStatus, l.index, l.isXY, l.dpiX, l.dpiY, l.dpiColorR, l.dpiColorG,
                                 l.dpiColorB}),
                     expected.at(i));
        }
        QCOMPARE(xml.getDpiUsingIndex(path, "1"), 3);
        QCOMPARE((QList<int>{xml.getFeature(path, "1", 0), xml.getFeature(path, "1", 1),
                             xml.getFeature(path, "1", 2), xml.getFeature(path, "1", 3)}),
                 (QList<int>{2, 0, 0, 1}));
    }

    void defaultsWithoutAProfileFail()
    {
        QTemporaryDir dir;
        xmlInterface xml;
        const QString path = dir.filePath(QStringLiteral("p.xml"));
        QVERIFY(!profileDefaults::writeMouseSettings(xml, path, 1)); // no file
        QVERIFY(!profileDefaults::writeKeyboardLightItems(xml, path, 1, QStringLiteral("Quissaro")));
        QVERIFY(xml.createXmlFile(path));
        QVERIFY(!profileDefaults::writeKeyboardSideRule(xml, path, 1, QStringLiteral("Rulvarro"))); // no profile
    }

    void stripPicturesReadable_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("tinted");
        for (const char *picture : {":/images/ledDef.png", ":/images/customMadeDef.png"}) {
            QTest::newRow(qPrintable(QStringLiteral("Dark %1").arg(picture))) << 0 << picture << false;
            QTest::newRow(qPrintable(QStringLiteral("Light %1").arg(picture))) << 1 << picture << true;
        }
    }

    // The strip's pictures keep their colour where it reads on the strip;
    // on a light strip they are drawn in a shade that reads, except while
    // checked, when their own checked picture shows.
    void stripPicturesReadable()
    {
        QFETCH(int, theme);
        QFETCH(QString, picture);
        QFETCH(bool, tinted);
        DDataManager::instance()->loadThemeConfig(theme);
        const QString strip = DDataManager::instance()->getThemeColor().DeviceLeftBgColor;
        DDataManager::instance()->loadThemeConfig(0);
        QPushButton button;
        button.setCheckable(true);
        auto *tint = new faintPictureTint(&button, picture);
        tint->setBackground(strip);
        QCOMPARE(tint->tint().isValid(), tinted);
        QCOMPARE(button.graphicsEffect() != nullptr, tinted);
        if (!tinted)
            return;
        QVERIFY(themeColorInfo::contrastRatio(tint->tint(), themeColorInfo::opaqueColor(strip))
                >= themeColorInfo::MinimumContrast);
        QVERIFY(button.graphicsEffect()->isEnabled());
        button.setChecked(true);
        QVERIFY(!button.graphicsEffect()->isEnabled());
        button.setChecked(false);
        QVERIFY(button.graphicsEffect()->isEnabled());
        // Back on a dark strip: drawn as it is.
        tint->setBackground(QStringLiteral("35,35,35"));
        QVERIFY(!button.graphicsEffect());
    }

    void rowAndNoticeColors()
    {
        themeColorInfo theme;
        theme.DeviceLeftAreaItemSelectedColor = QStringLiteral("1,2,3,40");
        theme.DeviceLeftAreaItemHoverColor = QStringLiteral("4,5,6");
        theme.DeviceLeftBgColor = QStringLiteral("7,8,9,90");
        theme.DeviceLeftAreaItemTextDefaultColor = QStringLiteral("210,211,212,13");
        theme.DeviceLeftAreaItemTextSelectedColor = QStringLiteral("214,215,216");
        theme.AllBgColor = QStringLiteral("20,21,22,23");
        theme.TextCheckedColor = QStringLiteral("230,231,232,33");
        theme.TextFont = QStringLiteral("Some Family");

        const devicePageTheme::rowLook pictures = devicePageTheme::selectionRows(theme, true);
        QCOMPARE(pictures.selectedBackground, QColor(1, 2, 3, 40));
        QCOMPARE(pictures.hoverBackground, QColor(4, 5, 6, 0)); // no fourth part
        QCOMPARE(pictures.normalBackground, QColor(7, 8, 9, 1));
        QCOMPARE(pictures.normalText, QColor(210, 211, 212, 255));
        QCOMPARE(pictures.selectedText, QColor(214, 215, 216, 255));
        QCOMPARE(pictures.fontFamily, QStringLiteral("Some Family"));
        const devicePageTheme::rowLook plain = devicePageTheme::selectionRows(theme, false);
        QCOMPARE(plain.selectedBackground, QColor(1, 2, 3, 255));
        QCOMPARE(plain.hoverBackground, QColor(4, 5, 6, 255));
        QCOMPARE(plain.normalBackground, QColor(7, 8, 9, 1));

        const devicePageTheme::noticeLook notice = devicePageTheme::notice(theme);
        QCOMPARE(notice.background, QColor(20, 21, 22, 200));
        QCOMPARE(notice.text, QColor(230, 231, 232, 255));
        QCOMPARE(notice.fontFamily, QStringLiteral("Some Family"));
        QCOMPARE(notice.pixelSize, 14);

        // Texts faint on their backgrounds read in a shade of their colour:
        // the row text on both the plain and the hovered row.
        theme.DeviceLeftAreaItemTextDefaultColor = QStringLiteral("140,140,140");
        theme.DeviceLeftBgColor = QStringLiteral("225,225,225,90");
        theme.DeviceLeftAreaItemHoverColor = QStringLiteral("210,210,210,90");
        theme.DeviceLeftAreaItemTextSelectedColor = QStringLiteral("255,49,53");
        theme.DeviceLeftAreaItemSelectedColor = QStringLiteral("215,215,215");
        theme.TextCheckedColor = QStringLiteral("255,49,53");
        theme.AllBgColor = QStringLiteral("180,180,180");
        const devicePageTheme::rowLook faint = devicePageTheme::selectionRows(theme, false);
        const devicePageTheme::noticeLook faintNotice = devicePageTheme::notice(theme);
        const auto reads = [](const QColor &text, const char *background) {
            return themeColorInfo::contrastRatio(text, themeColorInfo::opaqueColor(QLatin1String(background)))
                >= themeColorInfo::MinimumContrast;
        };
        QVERIFY(reads(faint.normalText, "225,225,225"));
        QVERIFY(reads(faint.normalText, "210,210,210"));
        QVERIFY(faint.normalText.red() == faint.normalText.blue() && faint.normalText.red() < 140);
        QVERIFY(reads(faint.selectedText, "215,215,215"));
        QVERIFY(qAbs(faint.selectedText.hue() - QColor(255, 49, 53).hue()) <= 2);
        QVERIFY(reads(faintNotice.text, "180,180,180"));
    }

    // Every sheet of every theme, with and without background pictures,
    // reads without a parse warning (an alpha inside rgb() would not).
    void styleSheetsParse()
    {
        const bool bgBefore = DDataManager::instance()->isBgImageUsing();
        for (bool pictures : {false, true}) {
            DDataManager::instance()->setBgImageUsing(pictures);
            for (int theme = 0; theme < 5; ++theme) {
                DDataManager::instance()->loadThemeConfig(theme);
                const themeColorInfo colors = DDataManager::instance()->getThemeColor();
                const QList<devicePageTheme::styleSheetRow> rows = devicePageTheme::styleSheets(colors);
                QCOMPARE(rows.size(), 37);
                for (const devicePageTheme::styleSheetRow &row : rows) {
                    QWidget widget;
                    widget.setObjectName(QLatin1String(row.objectName));
                    g_warnings.clear();
                    const QtMessageHandler old = qInstallMessageHandler(collectWarnings);
                    widget.setStyleSheet(row.sheet);
                    widget.ensurePolished();
                    qInstallMessageHandler(old);
                    QVERIFY2(g_warnings.isEmpty(), qPrintable(QStringLiteral("%1 (theme %2): %3")
                                                                  .arg(QLatin1String(row.objectName))
                                                                  .arg(theme)
                                                                  .arg(g_warnings.join(QLatin1Char(' ')))));
                    QVERIFY(!row.sheet.contains(QLatin1String("75 ")));
                    if (pictures)
                        QVERIFY(!row.sheet.contains(QRegularExpression(QStringLiteral("rgb\\(\\d+,\\d+,\\d+,"))));
                }
            }
        }
        DDataManager::instance()->setBgImageUsing(bgBefore);
        DDataManager::instance()->loadThemeConfig(0);
    }

    void styleSheetTable()
    {
        themeColorInfo theme;
        for (int i = 0; i < themeColorInfo::ColorCount; ++i)
            theme.entry(i) = QStringLiteral("%1,%1,%1").arg(i);
        // Texts that read on every background of the set, so none is mended.
        theme.TextDefaultColor = QStringLiteral("200,200,200");
        theme.TextCheckedColor = QStringLiteral("220,220,220");
        theme.TextFont = QStringLiteral("Fam");
        const QList<devicePageTheme::styleSheetRow> rows = devicePageTheme::styleSheets(theme);
        QStringList names;
        for (const auto &row : rows)
            names.append(QLatin1String(row.objectName));
        QCOMPARE(names.mid(0, 4), (QStringList{"frame_10", "scrollArea", "scrollAreaWidgetContents",
                                               "label_currentProfileName"}));
        QCOMPARE(names.at(devicePageTheme::kFirstBlockEnd - 1), QStringLiteral("scrollAreaWidgetContents_3"));
        QCOMPARE(names.at(devicePageTheme::kFirstBlockEnd), QStringLiteral("label_MacroGroup"));
        QCOMPARE(names.at(devicePageTheme::kSecondBlockEnd - 1), QStringLiteral("label_Tip"));
        QCOMPARE(names.mid(35), (QStringList{"frame_16", "frame_3"}));
        // The mended rows: the font inside the sheet, no font call after it.
        QCOMPARE(rows.at(16).sheet, QStringLiteral("QLabel#label_MacroGroup { color: rgb(220,220,220); font: bold 12pt \"Fam\"; }"));
        QVERIFY(rows.at(16).fonts.isEmpty());
        QVERIFY(rows.at(23).sheet.startsWith(QStringLiteral("QLabel { color: rgb(200,200,200); font: bold 10pt \"Fam\"; }")));
        QVERIFY(rows.at(24).sheet.startsWith(
            QStringLiteral("QLineEdit { color: rgb(200,200,200); font: bold 10pt \"Fam\"; background-color: rgb(16,16,16);")));
        QVERIFY(rows.at(30).sheet.contains(QStringLiteral("border: 1px solid rgb(200,200,200); font: bold 10pt \"Fam\"; color: rgb(200,200,200); }")));
        // Hover backgrounds carry alpha 130; "0,0,0,1" shows what lies behind.
        QVERIFY(rows.at(10).sheet.contains(QStringLiteral("QPushButton:hover { background-color: rgba(33,33,33,130); }")));
        QCOMPARE(rows.at(1).sheet, QStringLiteral("QScrollArea#scrollArea{ background-color: rgba(0,0,0,0.004); }"));
        QCOMPARE(rows.at(5).sheet, QStringLiteral("QFrame#frame_2{ background-color: rgb(24,24,24); }"));
        // Fonts: kind 0 at 12, 14, 11 and 22 pt, kind 1 at 14.
        QList<QList<int>> fonts;
        for (const auto &row : rows) {
            for (const devicePageTheme::fontUse &f : row.fonts)
                fonts.append({f.kind, f.pointSize});
        }
        QCOMPARE(fonts, (QList<QList<int>>{{0, 12}, {0, 14}, {1, 14}, {0, 11}, {0, 11}, {0, 22}}));
    }
};

QTEST_MAIN(tst_DevicePageRules)
#include "tst_devicepagerules.moc"
