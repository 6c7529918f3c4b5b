#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "xmlInterface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kDefaultPage = 0;
constexpr int kRenamePage = 1;

// A profile file with profile 1 holding schemes 0 ("Morning", in use in
// slot 0) and 1 ("Night", not in use).
class ProfileFile
{
public:
    explicit ProfileFile(const QString &folder = QString())
    {
        const QString dir = folder.isEmpty() ? m_dir.path() : folder;
        QDir().mkpath(dir);
        m_path = dir + QStringLiteral("/profile.xml");
        m_ok = m_store.createXmlFile(m_path) && m_store.addProfile(m_path, "1", "Default", "", "", 0)
            && m_store.addCustomLight(m_path, "1", "0", "Morning", "Using", 0)
            && m_store.addCustomLight(m_path, "1", "1", "Night", "UnUsing", -1);
    }

    bool ok() const { return m_ok; }
    QString path() const { return m_path; }
    QString tempDir() const { return m_dir.path(); }
    xmlInterface *store() { return &m_store; }

    QStringList names()
    {
        QList<customLightInfo> list;
        m_store.getCustomLightList(m_path, "1", list);
        QStringList result;
        for (const customLightInfo &info : list)
            result << QString::fromUtf8(info.name);
        return result;
    }

    QByteArray bytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    xmlInterface m_store;
    bool m_ok = false;
};

// The row of scheme 1 of the fixture, shown, with every signal watched.
class Row
{
public:
    Row(ProfileFile *file, const QString &profile = QStringLiteral("1"),
        const QString &scheme = QStringLiteral("1"))
        : clicked(&row, &DCustomLightListItem::sigCustomLightItemMouseClicked)
        , empty(&row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty)
        , success(&row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess)
        , failed(&row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed)
        , usingStatus(&row, &DCustomLightListItem::sigCustomLightUsingStatus)
    {
        if (file)
            row.setConfigInfo(QFile::encodeName(file->path()).constData(), file->store());
        row.setItemInfo(profile, scheme, QStringLiteral("Night"), QStringLiteral("UnUsing"), -1);
        row.show();
    }

    template <typename T>
    T *child(const char *name) { return row.findChild<T *>(QLatin1String(name)); }
    QLabel *label() { return child<QLabel>("label_CustomItemName"); }
    QLineEdit *editor() { return child<QLineEdit>("lineEdit_CustomItemName"); }
    QCheckBox *checkBox() { return child<QCheckBox>("checkBox"); }
    int page() { return child<QStackedWidget>("stackedWidget")->currentIndex(); }

    // A double click on the name, as a user renames: through the window, so
    // the row gets the press, release, double click and release it would
    // get from the system.
    void openRename()
    {
        QTest::mouseDClick(row.windowHandle(), Qt::LeftButton, {}, label()->mapTo(&row, label()->rect().center()));
    }
    void rename(const QString &text)
    {
        openRename();
        editor()->setText(text);
        QTest::mouseClick(child<QPushButton>("pushButton_Save"), Qt::LeftButton);
    }

    DCustomLightListItem row;
    QSignalSpy clicked;
    QSignalSpy empty;
    QSignalSpy success;
    QSignalSpy failed;
    QSignalSpy usingStatus;
};

QColor themeColor(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

// Equal but for the rounding of an all but transparent layer.
bool nearly(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
}

} // namespace

class tst_CustomLightListItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void onlyUsingTicksTheBox_data();
    void onlyUsingTicksTheBox();
    void settersEmitNothing();
    void pressOnRowClicks_data();
    void pressOnRowClicks();
    void doubleClickOpensRenameWithStoredName();
    void emptyNameStaysOnRenamePage();
    void saveStoresName_data();
    void saveStoresName();
    void longPathIsKeptWhole();
    void longNameDoesNotWidenRow();
    void cancelKeepsStoredName();
    void failedRenameKeepsOldName_data();
    void failedRenameKeepsOldName();
    void checkBoxReportsUserClicks();
    void selectedLookSurvivesRestyling();
};

void tst_CustomLightListItem::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_CustomLightListItem::cleanup()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_CustomLightListItem::onlyUsingTicksTheBox_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("Using") << "Using" << true;
    QTest::newRow("UnUsing") << "UnUsing" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("lower case") << "using" << false;
    QTest::newRow("upper case") << "USING" << false;
    QTest::newRow("padded") << " Using" << false;
}

void tst_CustomLightListItem::onlyUsingTicksTheBox()
{
    QFETCH(QString, status);
    QFETCH(bool, ticked);

    Row r(nullptr);
    // From a ticked box too, so a clear is really done.
    r.row.setUsingChecked(true);
    r.row.setItemInfo("1", "4", "Sunset", status, ticked ? 1 : -1);
    QCOMPARE(r.checkBox()->isChecked(), ticked);
    QCOMPARE(r.label()->text(), QStringLiteral("Sunset"));
    QCOMPARE(r.row.getUsingStatus(), status);
    QCOMPARE(r.row.getCustomIndex(), QStringLiteral("4"));
    QCOMPARE(r.usingStatus.count(), 0);
}

void tst_CustomLightListItem::settersEmitNothing()
{
    Row r(nullptr);
    r.row.setItemInfo("1", "2", "Rain", "Using", 0);
    r.row.setUsingChecked(false);
    QVERIFY(!r.checkBox()->isChecked());
    // The box alone changes: the in-use text and slot are the page's.
    QCOMPARE(r.row.getUsingStatus(), QStringLiteral("Using"));
    QCOMPARE(r.row.getUsingFlagIndex(), 0);

    r.row.setUsingChecked(true);
    r.row.setUsingStatus("UnUsing");
    r.row.setUsingFlagIndex(-1);
    QVERIFY(r.checkBox()->isChecked());
    QCOMPARE(r.row.getUsingStatus(), QStringLiteral("UnUsing"));
    QCOMPARE(r.row.getUsingFlagIndex(), -1);
    QCOMPARE(r.usingStatus.count(), 0);
    QCOMPARE(r.clicked.count(), 0);
}

void tst_CustomLightListItem::pressOnRowClicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("name, left") << "label_CustomItemName" << kDefaultPage << int(Qt::LeftButton) << true;
    QTest::newRow("name, right") << "label_CustomItemName" << kDefaultPage << int(Qt::RightButton) << true;
    QTest::newRow("row frame") << "frame_5" << kDefaultPage << int(Qt::MiddleButton) << true;
    QTest::newRow("rename page margin") << "page_ModifyName" << kRenamePage << int(Qt::LeftButton) << true;
    QTest::newRow("check box") << "checkBox" << kDefaultPage << int(Qt::LeftButton) << false;
    QTest::newRow("editor") << "lineEdit_CustomItemName" << kRenamePage << int(Qt::LeftButton) << false;
    QTest::newRow("save button") << "pushButton_Save" << kRenamePage << int(Qt::LeftButton) << false;
    QTest::newRow("cancel button") << "pushButton_Cancel" << kRenamePage << int(Qt::LeftButton) << false;
}

void tst_CustomLightListItem::pressOnRowClicks()
{
    QFETCH(QString, target);
    QFETCH(int, page);
    QFETCH(int, button);
    QFETCH(bool, clicks);

    ProfileFile file;
    QVERIFY(file.ok());
    Row r(&file);
    if (page == kRenamePage) {
        r.openRename();
        r.clicked.clear();
    }
    QWidget *widget = r.row.findChild<QWidget *>(target);
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    const QPoint at = widget->layout() ? QPoint(1, 1) : widget->rect().center();
    QTest::mousePress(widget, Qt::MouseButton(button), {}, at);
    QTest::mouseRelease(widget, Qt::MouseButton(button), {}, at);

    if (!clicks) {
        QCOMPARE(r.clicked.count(), 0);
        return;
    }
    QCOMPARE(r.clicked.count(), 1);
    QCOMPARE(r.clicked.at(0), (QList<QVariant>{QStringLiteral("1"), QStringLiteral("Night")}));
}

void tst_CustomLightListItem::doubleClickOpensRenameWithStoredName()
{
    ProfileFile file;
    QVERIFY(file.ok());
    Row r(&file);
    r.openRename();
    QCOMPARE(r.clicked.count(), 1);
    QCOMPARE(r.page(), kRenamePage);
    QCOMPARE(r.editor()->text(), QStringLiteral("Night"));
}

void tst_CustomLightListItem::emptyNameStaysOnRenamePage()
{
    ProfileFile file;
    QVERIFY(file.ok());
    const QByteArray before = file.bytes();
    Row r(&file);
    r.rename(QString());
    QCOMPARE(r.empty.count(), 1);
    QCOMPARE(r.success.count(), 0);
    QCOMPARE(r.failed.count(), 0);
    QCOMPARE(r.page(), kRenamePage);
    QCOMPARE(r.row.getCustomName(), QStringLiteral("Night"));
    QCOMPARE(file.bytes(), before);
}

void tst_CustomLightListItem::saveStoresName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain") << "Evening" << "Evening";
    QTest::newRow("blanks only, as typed") << "   " << "   ";
    QTest::newRow("63 bytes") << QString(63, 'a') << QString(63, 'a');
    QTest::newRow("64 bytes cut to 63") << QString(64, 'a') << QString(63, 'a');
    // 21 three-byte characters are 63 bytes; the 22nd does not fit.
    const QString han(22, QChar(0x6C34));
    QTest::newRow("three-byte characters") << han << han.left(21);
    // 62 bytes then a two-byte character: the character is dropped whole.
    QTest::newRow("cut inside a character") << QString(62, 'b') + QStringLiteral("é!") << QString(62, 'b');
    QTest::newRow("markup characters") << "<a & \"b\">" << "<a & \"b\">";
}

void tst_CustomLightListItem::saveStoresName()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    ProfileFile file;
    QVERIFY(file.ok());
    Row r(&file);
    r.rename(typed);
    QCOMPARE(r.success.count(), 1);
    QCOMPARE(r.failed.count(), 0);
    QCOMPARE(r.empty.count(), 0);
    QCOMPARE(r.page(), kDefaultPage);
    QCOMPARE(r.row.getCustomName(), stored);
    QCOMPARE(r.label()->text(), stored);
    QCOMPARE(file.names(), (QStringList{QStringLiteral("Morning"), stored}));
}

void tst_CustomLightListItem::longPathIsKeptWhole()
{
    // Over 255 bytes of multibyte folder names: a cut copy would name a
    // file that does not exist (or another one).
    QTemporaryDir base;
    QString folder = base.path();
    while (QFile::encodeName(folder).size() < 300)
        folder += QStringLiteral("/dossier-élevé");
    ProfileFile file(folder);
    QVERIFY(file.ok());
    Row r(&file);
    r.rename(QStringLiteral("Aube"));
    QCOMPARE(r.success.count(), 1);
    QCOMPARE(file.names(), (QStringList{QStringLiteral("Morning"), QStringLiteral("Aube")}));
}

void tst_CustomLightListItem::longNameDoesNotWidenRow()
{
    // The list is narrower than the longest name a scheme can have.
    Row r(nullptr);
    const int plain = r.row.minimumSizeHint().width();
    r.row.setItemInfo("1", "1", QString(63, 'W'), "UnUsing", -1);
    QCOMPARE(r.row.minimumSizeHint().width(), plain);
    QVERIFY(plain < 200);
}

void tst_CustomLightListItem::cancelKeepsStoredName()
{
    ProfileFile file;
    QVERIFY(file.ok());
    const QByteArray before = file.bytes();
    Row r(&file);
    r.openRename();
    r.editor()->setText(QStringLiteral("Abandoned"));
    QTest::mouseClick(r.child<QPushButton>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(r.page(), kDefaultPage);
    QCOMPARE(r.label()->text(), QStringLiteral("Night"));
    QCOMPARE(r.row.getCustomName(), QStringLiteral("Night"));
    QCOMPARE(file.bytes(), before);
    QCOMPARE(r.success.count() + r.failed.count() + r.empty.count(), 0);

    r.openRename();
    QCOMPARE(r.editor()->text(), QStringLiteral("Night"));
}

void tst_CustomLightListItem::failedRenameKeepsOldName_data()
{
    QTest::addColumn<bool>("withStore");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<bool>("removeFile");

    QTest::newRow("no store") << false << "1" << "1" << false;
    QTest::newRow("scheme missing") << true << "1" << "7" << false;
    QTest::newRow("profile missing") << true << "3" << "1" << false;
    QTest::newRow("file missing") << true << "1" << "1" << true;
}

void tst_CustomLightListItem::failedRenameKeepsOldName()
{
    QFETCH(bool, withStore);
    QFETCH(QString, profile);
    QFETCH(QString, scheme);
    QFETCH(bool, removeFile);

    ProfileFile file;
    QVERIFY(file.ok());
    Row r(withStore ? &file : nullptr, profile, scheme);
    if (removeFile)
        QVERIFY(QFile::remove(file.path()));
    r.rename(QStringLiteral("Lost"));

    QCOMPARE(r.failed.count(), 1);
    QCOMPARE(r.success.count(), 0);
    QCOMPARE(r.page(), kDefaultPage);
    QCOMPARE(r.row.getCustomName(), QStringLiteral("Night"));
    QCOMPARE(r.label()->text(), QStringLiteral("Night"));
    if (removeFile)
        QVERIFY(!QFile::exists(file.path()));
    else
        QCOMPARE(file.names(), (QStringList{QStringLiteral("Morning"), QStringLiteral("Night")}));
}

void tst_CustomLightListItem::checkBoxReportsUserClicks()
{
    Row r(nullptr);
    r.row.setItemInfo("1", "1", "Night", "UnUsing", -1);
    QCheckBox *box = r.checkBox();
    box->setFocus();
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);

    QCOMPARE(r.usingStatus.count(), 2);
    QCOMPARE(r.usingStatus.at(0).at(0).toBool(), true);
    QCOMPARE(r.usingStatus.at(1).at(0).toBool(), false);
    QVERIFY(!box->hasFocus());
    QCOMPARE(r.row.getUsingStatus(), QStringLiteral("UnUsing"));
    QCOMPARE(r.row.getUsingFlagIndex(), -1);
    QCOMPARE(r.clicked.count(), 0);
}

void tst_CustomLightListItem::selectedLookSurvivesRestyling()
{
    // On a list of a known colour, which shows through an unselected row.
    const QColor listColour(0, 90, 200);
    QWidget list;
    list.setObjectName(QStringLiteral("list"));
    list.setStyleSheet(QStringLiteral("#list{ background-color: rgb(0, 90, 200); }"));
    list.resize(400, 32);
    DCustomLightListItem row(&list);
    row.setGeometry(0, 0, 400, 32);
    row.setItemInfo("1", "1", "Night", "UnUsing", -1);
    // Right of the name, above the bottom border.
    auto background = [&list] { return list.grab().toImage().pixelColor(380, 16); };
    auto hoverColour = [] {
        return themeColor(DDataManager::instance()->getThemeColor().DeviceLeftAreaItemHoverColor);
    };

    QVERIFY2(nearly(background(), listColour), qPrintable(background().name()));
    const QColor blackHover = hoverColour();
    row.setSelectedStyle(true);
    QCOMPARE(background(), blackHover);
    row.setSelectedStyle(true);
    QCOMPARE(background(), blackHover);
    row.updateTheme();
    QCOMPARE(background(), blackHover);

    // A new theme brings its own hover colour, still drawn as selected.
    DDataManager::instance()->loadThemeConfig(1);
    const QColor lightHover = hoverColour();
    QVERIFY(lightHover != blackHover);
    row.updateTheme();
    QCOMPARE(background(), lightHover);

    row.setSelectedStyle(false);
    QVERIFY2(nearly(background(), listColour), qPrintable(background().name()));
}

QTEST_MAIN(tst_CustomLightListItem)
#include "tst_customlightlistitem.moc"
