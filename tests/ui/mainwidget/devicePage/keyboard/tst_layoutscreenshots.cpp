#include "ColorTables.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "keyboardButCustom.h"
#include "sideLightButtonCustom.h"

#include <QtTest>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QXmlStreamReader>

// Each model's picture with its key buttons laid over it, shown in a real X
// window and written to build/layout-screenshots/ for a person to look at.
// The assertions are on the layout; the pictures are for the eye.

namespace {

constexpr int kMargin = 24; // room for side lights outside the picture

struct Model
{
    QString name;
    int keyNum = 0;
    QSize size;
};

QList<Model> hidListModels()
{
    QList<Model> models;
    QFile file(QStringLiteral(":/images/configDir/hidList.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return models;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("item")) {
            const QXmlStreamAttributes a = xml.attributes();
            models.append({a.value("hidName").toString(), a.value("keyNum").toInt(),
                           QSize(a.value("SizeWidth").toInt(), a.value("SizeHeight").toInt())});
        }
    }
    return models;
}

} // namespace

class tst_LayoutScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenshot_data();
    void screenshot();
};

void tst_LayoutScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
}

void tst_LayoutScreenshots::screenshot_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyNum");
    QTest::addColumn<QSize>("pictureSize");
    for (const Model &m : hidListModels())
        QTest::newRow(qPrintable(m.name)) << m.name << m.keyNum << m.size;
}

void tst_LayoutScreenshots::screenshot()
{
    QFETCH(QString, model);
    QFETCH(int, keyNum);
    QFETCH(QSize, pictureSize);

    const QString binaryDir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath());
    const QPixmap picture(binaryDir + QStringLiteral("/images/hidImages/Keyboard_%1.png").arg(model));
    QCOMPARE(picture.size(), pictureSize);

    KeyLayoutFile layout;
    const ReadOnlyDataFile file(KeyLayoutFile::fileNameForModel(model), false);
    QVERIFY(layout.load(file.path()));

    QWidget window;
    window.setWindowTitle(model);
    window.setFixedSize(pictureSize + QSize(2 * kMargin, 2 * kMargin));
    window.setStyleSheet(QStringLiteral("background-color: rgb(12, 12, 14);"));
    auto *label = new QLabel(&window);
    label->setPixmap(picture);
    label->setGeometry(kMargin, kMargin, pictureSize.width(), pictureSize.height());

    const ColorTable &rainbow = ColorTables::waveLineColorsFor(keyNum);
    const QRect pictureRect = label->geometry();
    int buttons = 0;
    for (int r = 0; r < KeyLayoutFile::RowCount; ++r) {
        for (int c = 0; c < KeyLayoutFile::ColumnCount; ++c) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, c);
            if (cell.isEmpty())
                continue;
            auto *key = new keyboardButCustom(&window);
            key->setKeySize(cell.width, cell.height);
            key->setKeyPosition(kMargin + cell.posX, kMargin + cell.posY);
            key->move(kMargin + cell.posX, kMargin + cell.posY);
            key->setCell(r, c);
            key->setKeyInfo(cell.dec, cell.rawCaption);
            if (cell.dec == 40 && layout.hasSpecialEnter()) {
                key->setSpecialEnter(true);
                key->setEnterShape(1);
                key->setEnterNotch(layout.enterNotch().x(), layout.enterNotch().y());
            }
            key->setKeyMode(false);
            key->setColorRefreshEnabled(true);
            QColor colour = rainbow.cell(r, c);
            colour.setAlpha(110);
            key->setKeyColor(colour);
            QVERIFY2(pictureRect.contains(key->geometry()), qPrintable(cell.caption));
            ++buttons;
        }
    }
    QCOMPARE(buttons, keyNum);

    int lights = 0;
    for (const KeyLayoutFile::SideLight &led : layout.sideLights()) {
        auto *light = new sideLightButtonCustom(&window);
        light->setLightSize(led.width, led.height);
        light->setIndexAndValid(led.index, led.validStatus);
        light->move(kMargin + led.posX, kMargin + led.posY);
        light->setLightColor(QColor(0, 200, 255));
        QVERIFY(window.rect().contains(light->geometry()));
        ++lights;
    }
    QCOMPARE(lights, layout.sideLights().size());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    QCOMPARE(shot.size(), window.size() * shot.devicePixelRatio());

    const QString outDir = binaryDir + QStringLiteral("/layout-screenshots");
    QVERIFY(QDir().mkpath(outDir));
    QVERIFY(shot.save(outDir + QStringLiteral("/Keyboard_%1_keys.png").arg(model)));
}

QTEST_MAIN(tst_LayoutScreenshots)
#include "tst_layoutscreenshots.moc"
