#include "ColorTables.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "xmlInterface.h"
#include "xmlPrinter.h"
#include "../../../../tools/generatorOutput.h"

#include <QtTest>
#include <QImage>
#include <QXmlStreamReader>

#include <cjson/cJSON.h>
#include <tinyxml2.h>

#include <memory>

// The layouts, pictures and defaults the program carries, checked against
// each other, the device-model list and the lighting engines' tables.

namespace {

struct Model
{
    QString name;
    int keyNum = 0;
    int width = 0;
    int height = 0;
};

QByteArray resourceBytes(const QString &relativeName)
{
    QFile file(QStringLiteral(":/images/configDir/") + relativeName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<Model> hidListModels()
{
    QList<Model> models;
    QXmlStreamReader xml(resourceBytes(QStringLiteral("hidList.xml")));
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("hidList"))
            continue;
        if (xml.name() == QLatin1String("item")) {
            const QXmlStreamAttributes a = xml.attributes();
            models.append({a.value("hidName").toString(), a.value("keyNum").toInt(),
                           a.value("SizeWidth").toInt(), a.value("SizeHeight").toInt()});
        }
        xml.skipCurrentElement();
    }
    return models;
}

KeyLayoutFile layoutFile(const QString &relativeName)
{
    KeyLayoutFile layout;
    const ReadOnlyDataFile file(relativeName, false);
    layout.load(file.path());
    return layout;
}

// The area a key covers: two parts for the notched Enter.
QVector<QRect> keyShape(const KeyLayoutFile &layout, const KeyLayoutFile::KeyCell &cell)
{
    const QRect box(cell.posX, cell.posY, cell.width, cell.height);
    if (cell.dec != 40 || !layout.hasSpecialEnter())
        return {box};
    const QPoint notch = layout.enterNotch();
    return {QRect(box.x(), box.y(), box.width(), notch.y()),
            QRect(box.x() + notch.x(), box.y() + notch.y(), box.width() - notch.x(), box.height() - notch.y())};
}

// The Snack effect walks the rows from the first key row down, over the
// columns 0 .. W - 1.
int snackWidth(int keyCount)
{
    switch (keyCount) {
    case 98: return 19;
    case 87: return 18;
    case 84: case 68: return 16;
    case 61: case 63: return 15;
    default: return 22;
    }
}

int snackFirstRow(int keyCount)
{
    return (keyCount == 61 || keyCount == 63 || keyCount == 68) ? 1 : 0;
}

QString cellName(int row, int column)
{
    return QStringLiteral("(%1, %2)").arg(row).arg(column);
}

// A cell may hold a key only where every full-colour table of its key count
// has a colour and the Snack path passes.
QString cellProblem(int keyCount, int row, int column)
{
    using namespace ColorTables;
    if (waveLineColorsFor(keyCount).cell(row, column) == QColor(0, 0, 0))
        return QStringLiteral("black in the line rainbow");
    if (waveCentreColorsFor(keyCount).cell(row, column) == QColor(0, 0, 0))
        return QStringLiteral("black in the centre rainbow");
    if (radarColorsFor(keyCount).cell(row, column) == QColor(0, 0, 0))
        return QStringLiteral("black in the radar");
    if (row < snackFirstRow(keyCount) || column >= snackWidth(keyCount))
        return QStringLiteral("off the Snack path");
    return QString();
}

struct JsonDeleter
{
    void operator()(cJSON *item) const { cJSON_Delete(item); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

void checkCrLf(const QByteArray &bytes, const QString &what)
{
    QVERIFY2(bytes.endsWith("\r\n"), qPrintable(what));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

// The store's printed XML: declaration, four blanks per level, " />".
void checkStoreXmlLayout(const QByteArray &bytes, const QString &what)
{
    checkCrLf(bytes, what);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.first(), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r"));
    int depth = 0;
    for (int i = 1; i < lines.size() - 1; ++i) {
        QByteArray line = lines.at(i);
        line.chop(1);
        const bool closing = line.trimmed().startsWith("</");
        if (closing)
            --depth;
        QVERIFY2(line.startsWith(QByteArray(4 * depth, ' ')) && line.at(4 * depth) == '<',
                 qPrintable(QStringLiteral("%1 line %2: %3").arg(what).arg(i + 1).arg(QString::fromUtf8(line))));
        if (!closing && !line.endsWith(" />"))
            ++depth;
        QVERIFY(!line.endsWith("/>") || line.endsWith(" />"));
    }
    QCOMPARE(depth, 0);

    // Loaded and printed again by the store, the file stays byte for byte.
    tinyxml2::XMLDocument document;
    QCOMPARE(document.Parse(bytes.constData(), size_t(bytes.size())), tinyxml2::XML_SUCCESS);
    QVERIFY2(xmlPrinter::print(document) == bytes, qPrintable(what));
}

} // namespace

class tst_KeyboardData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modelLayouts_data();
    void modelLayouts();
    void layoutFileFormat_data();
    void layoutFileFormat();
    void pictures_data();
    void pictures();
    void plainCustomLightServesBothFullAndTenkeyless();
    void customLightFiles_data();
    void customLightFiles();
    void onboardLayouts_data();
    void onboardLayouts();
    void defaultLayers_data();
    void defaultLayers();
    void softKeyboardLayout();
    void macroPageLayout();
    void generatorOutputIsCommitted();

private:
    QList<Model> m_models;
};

void tst_KeyboardData::initTestCase()
{
    m_models = hidListModels();
    QCOMPARE(m_models.size(), 5);
}

void tst_KeyboardData::modelLayouts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyNum");
    QTest::addColumn<QSize>("picture");
    for (const Model &m : hidListModels())
        QTest::newRow(qPrintable(m.name)) << m.name << m.keyNum << QSize(m.width, m.height);
}

void tst_KeyboardData::modelLayouts()
{
    QFETCH(QString, model);
    QFETCH(int, keyNum);
    QFETCH(QSize, picture);

    const KeyLayoutFile layout = layoutFile(KeyLayoutFile::fileNameForModel(model));
    QVERIFY(layout.isLoaded());
    QCOMPARE(layout.keyCount(), keyNum);
    QCOMPARE(layout.header().keyboardIntroduction, QStringLiteral("%1Key").arg(keyNum));
    QCOMPARE(layout.header().showOnboardSelect, layout.header().supportOnboard);

    QSet<int> codes;
    QVector<QPair<QString, QVector<QRect>>> shapes;
    const QRect pictureRect(QPoint(0, 0), picture);
    for (int r = 0; r < KeyLayoutFile::RowCount; ++r) {
        for (int c = 0; c < KeyLayoutFile::ColumnCount; ++c) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, c);
            if (cell.isEmpty()) {
                QVERIFY2(cell.width == 0 || cell.height == 0, qPrintable(cellName(r, c)));
                continue;
            }
            const QString where = cellName(r, c) + QLatin1Char(' ') + cell.caption;
            QVERIFY2(!codes.contains(cell.dec), qPrintable(where + QStringLiteral(": code used twice")));
            codes.insert(cell.dec);
            QVERIFY2(cell.width > 0 && cell.height > 0, qPrintable(where));
            QVERIFY2(cell.qtDec != 0, qPrintable(where));
            const QString problem = cellProblem(keyNum, r, c);
            QVERIFY2(problem.isEmpty(), qPrintable(where + QStringLiteral(": ") + problem));
            const QVector<QRect> shape = keyShape(layout, cell);
            for (const QRect &part : shape)
                QVERIFY2(pictureRect.contains(part), qPrintable(where + QStringLiteral(": outside the picture")));
            for (const auto &other : shapes)
                for (const QRect &a : shape)
                    for (const QRect &b : other.second)
                        QVERIFY2(!a.intersects(b), qPrintable(where + QStringLiteral(" overlaps ") + other.first));
            shapes.append({where, shape});
        }
    }
    if (layout.hasSpecialEnter()) {
        QVERIFY(codes.contains(40));
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 22; ++c)
                if (layout.cell(r, c).dec == 40)
                    QVERIFY(layout.cell(r, c).width > layout.enterNotch().x()
                            && layout.cell(r, c).height > layout.enterNotch().y());
    }

    // Side lights: indices 1, 2, 3, ... in file order; positions may lie
    // outside the picture.
    const QVector<KeyLayoutFile::SideLight> &lights = layout.sideLights();
    int valid = 0;
    for (int i = 0; i < lights.size(); ++i) {
        QCOMPARE(lights.at(i).index, i + 1);
        QCOMPARE(lights.at(i).mark, QStringLiteral("0x%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        valid += lights.at(i).validStatus == 1 ? 1 : 0;
        const bool vertical = lights.at(i).height > lights.at(i).width;
        if (vertical)
            QVERIFY(lights.at(i).width == 10 && lights.at(i).height >= 31 && lights.at(i).height <= 60);
        else
            QVERIFY(lights.at(i).width >= 30 && lights.at(i).width <= 75 && lights.at(i).height <= 10);
    }
    QCOMPARE(layout.header().sideLightNum, valid);
    QVERIFY(lights.isEmpty() || lights.size() == 33 || lights.size() == 50);

    // The national keys have no cell.
    QCOMPARE(layout.extraKeys().size(), 9);
}

void tst_KeyboardData::layoutFileFormat_data()
{
    QTest::addColumn<QString>("file");
    for (const Model &m : hidListModels())
        QTest::newRow(qPrintable(m.name)) << KeyLayoutFile::fileNameForModel(m.name);
    QTest::newRow("macro page") << QStringLiteral("KeyInfo_FullSizeUS.config");
    QTest::newRow("on-board Quissaro") << QStringLiteral("onboardDeviceConfig/KeyInfo_Quissaro.config");
}

void tst_KeyboardData::layoutFileFormat()
{
    QFETCH(QString, file);
    const QByteArray bytes = resourceBytes(file);
    QVERIFY(!bytes.isEmpty());
    checkCrLf(bytes, file);
    // Empty cells carry "00", which a strict JSON reader refuses.
    QVERIFY(bytes.contains("\"Width\": 00"));
    const JsonPtr root(cJSON_ParseWithLength(bytes.constData(), size_t(bytes.size())));
    QVERIFY(root);
    QStringList members;
    for (const cJSON *item = root->child; item; item = item->next)
        members << QString::fromLatin1(item->string);
    QCOMPARE(members.first(), QStringLiteral("Keyboard"));
    QCOMPARE(members.last(), QStringLiteral("EveryKeyInfo_Row07"));
    for (int row = 1; row <= 6; ++row) {
        const cJSON *array = cJSON_GetObjectItemCaseSensitive(root.get(), qPrintable(QStringLiteral("EveryKeyInfo_Row0%1").arg(row)));
        QVERIFY(cJSON_IsArray(array));
        QCOMPARE(cJSON_GetArraySize(array), 22);
        for (const cJSON *cell = array->child; cell; cell = cell->next) {
            QStringList names;
            for (const cJSON *m = cell->child; m; m = m->next)
                names << QString::fromLatin1(m->string);
            QCOMPARE(names, (QStringList{"PosX", "PosY", "Width", "Height", "Dec", "qtDec", "Character"}));
        }
    }
    const cJSON *header = cJSON_GetObjectItemCaseSensitive(root.get(), "Keyboard");
    QStringList headerNames;
    for (const cJSON *m = header->child; m; m = m->next)
        headerNames << QString::fromLatin1(m->string);
    QCOMPARE(headerNames, (QStringList{"KeyboardIntroduction", "sideLightHave", "supportOnboard", "specialEnterKey",
                                       "showOnboardSelect", "specialEnterKeyShape", "sideLightNum", "flag"}));
    const cJSON *extras = cJSON_GetObjectItemCaseSensitive(root.get(), "EveryKeyInfo_Row07");
    QCOMPARE(cJSON_GetArraySize(extras), 9);
}

void tst_KeyboardData::pictures_data()
{
    modelLayouts_data();
}

void tst_KeyboardData::pictures()
{
    QFETCH(QString, model);
    QFETCH(QSize, picture);
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/images/hidImages/");
    const QImage image(dir + QStringLiteral("Keyboard_%1.png").arg(model));
    QVERIFY2(!image.isNull(), qPrintable(dir));
    QCOMPARE(image.size(), picture);
}

// The plain default custom lighting serves the full-size and the
// tenkeyless boards: its cells must be the same keys on both.
void tst_KeyboardData::plainCustomLightServesBothFullAndTenkeyless()
{
    QStringList users;
    for (const Model &m : m_models)
        if (m.keyNum == 104 || m.keyNum == 87)
            users << m.name;
    QVERIFY(users.size() >= 2);
    QXmlStreamReader xml(resourceBytes(QStringLiteral("customLightDefaultConfig.xml")));
    int items = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("item"))
            continue;
        ++items;
        const int row = xml.attributes().value("indexX").toInt();
        const int column = xml.attributes().value("indexY").toInt();
        const int code = xml.attributes().value("keyCode").toInt();
        for (const QString &model : users) {
            const KeyLayoutFile layout = layoutFile(KeyLayoutFile::fileNameForModel(model));
            QCOMPARE(layout.cell(row, column).dec, code);
            QCOMPARE(layout.cell(row, column).caption, xml.attributes().value("codeName").toString());
        }
    }
    QCOMPARE(items, 34 + 8);
}

void tst_KeyboardData::customLightFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<QString>("model"); // a model of that key count, or empty
    QTest::addColumn<int>("blueKeys");
    QTest::addColumn<int>("redKeys");
    QTest::newRow("plain") << "customLightDefaultConfig.xml" << 104 << "Quissaro" << 34 << 8;
    QTest::newRow("34") << "customLightDefaultConfig_34.xml" << 34 << "" << 11 << 4;
    QTest::newRow("61") << "customLightDefaultConfig_61.xml" << 61 << "" << 34 << 4;
    QTest::newRow("68") << "customLightDefaultConfig_68.xml" << 68 << "Rulvarro" << 34 << 8;
    QTest::newRow("84") << "customLightDefaultConfig_84.xml" << 84 << "Ryzzmond" << 34 << 8;
    QTest::newRow("98") << "customLightDefaultConfig_98.xml" << 98 << "" << 34 << 8;
}

void tst_KeyboardData::customLightFiles()
{
    QFETCH(QString, file);
    QFETCH(int, keyCount);
    QFETCH(QString, model);
    QFETCH(int, blueKeys);
    QFETCH(int, redKeys);

    const QByteArray bytes = resourceBytes(file);
    checkStoreXmlLayout(bytes, file);
    KeyLayoutFile layout;
    if (!model.isEmpty())
        layout = layoutFile(KeyLayoutFile::fileNameForModel(model));

    QXmlStreamReader xml(bytes);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("customLight"));
    int scheme = 0;
    while (xml.readNextStartElement()) {
        QCOMPARE(xml.name().toString(), QStringLiteral("customLed"));
        const QXmlStreamAttributes a = xml.attributes();
        QCOMPARE(a.value("index").toInt(), scheme);
        QCOMPARE(a.value("name").toString(), QStringLiteral("Custom %1").arg(scheme));
        QCOMPARE(a.value("isUsing").toString(), scheme < 2 ? QStringLiteral("Using") : QStringLiteral("UnUsing"));
        QCOMPARE(a.value("usingFlagIndex").toInt(), scheme < 2 ? scheme : -1);
        int items = 0;
        QSet<QPair<int, int>> cells;
        while (xml.readNextStartElement()) {
            const QXmlStreamAttributes k = xml.attributes();
            const int row = k.value("indexX").toInt();
            const int column = k.value("indexY").toInt();
            QVERIFY(!cells.contains({row, column}));
            cells.insert({row, column});
            QCOMPARE(k.value("transparentNum").toInt(), 128);
            const QColor colour(k.value("colorR").toInt(), k.value("colorG").toInt(), k.value("colorB").toInt());
            QCOMPARE(colour, scheme == 0 ? QColor(0, 0, 255) : QColor(255, 0, 0));
            const QString problem = cellProblem(keyCount, row, column);
            QVERIFY2(problem.isEmpty(), qPrintable(cellName(row, column) + problem));
            if (!model.isEmpty()) {
                QCOMPARE(layout.cell(row, column).dec, k.value("keyCode").toInt());
                QCOMPARE(layout.cell(row, column).caption, k.value("codeName").toString());
            }
            ++items;
            xml.skipCurrentElement();
        }
        QCOMPARE(items, scheme == 0 ? blueKeys : scheme == 1 ? redKeys : 0);
        ++scheme;
    }
    QCOMPARE(scheme, 5);
    QVERIFY(!xml.hasError());

    // The store reads the schemes as the device page will.
    xmlInterface store;
    const ReadOnlyDataFile copy(file, false);
    QList<customLightKeyInfo> blue;
    QList<customLightKeyInfo> red;
    QVERIFY(store.getDefaultCustomLightKeys(copy.path(), "0", blue));
    QVERIFY(store.getDefaultCustomLightKeys(copy.path(), "1", red));
    QCOMPARE(blue.size(), blueKeys);
    QCOMPARE(red.size(), redKeys);
    QCOMPARE(blue.first().colorB, 255);
    QCOMPARE(blue.first().transparentNum, 128);
    QCOMPARE(red.first().colorR, 255);
}

void tst_KeyboardData::onboardLayouts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyNum");
    for (const Model &m : hidListModels()) {
        const KeyLayoutFile layout = layoutFile(KeyLayoutFile::fileNameForModel(m.name));
        if (layout.header().supportOnboard == 1)
            QTest::newRow(qPrintable(m.name)) << m.name << m.keyNum;
    }
}

void tst_KeyboardData::onboardLayouts()
{
    QFETCH(QString, model);
    QFETCH(int, keyNum);
    const int width = keyNum == 87 ? 571 : keyNum == 61 ? 587 : keyNum == 68 ? 594 : keyNum == 34 ? 245
                      : keyNum == 21 ? 145 : 700;
    const KeyLayoutFile layout = layoutFile(KeyLayoutFile::fileNameForModel(model));
    const KeyLayoutFile onboard = layoutFile(QStringLiteral("onboardDeviceConfig/") + KeyLayoutFile::fileNameForModel(model));
    QVERIFY(onboard.isLoaded());
    const QRect page(0, 0, width, 210);
    QVector<QRect> seen;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 22; ++c) {
            const KeyLayoutFile::KeyCell &cell = onboard.cell(r, c);
            QCOMPARE(cell.dec, layout.cell(r, c).dec);
            QCOMPARE(cell.caption, layout.cell(r, c).caption);
            if (cell.isEmpty())
                continue;
            for (const QRect &part : keyShape(onboard, cell)) {
                QVERIFY2(page.contains(part), qPrintable(cellName(r, c)));
                for (const QRect &other : seen)
                    QVERIFY2(!part.intersects(other), qPrintable(cellName(r, c)));
                seen.append(part);
            }
        }
    }
}

void tst_KeyboardData::defaultLayers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("firstIndex");
    const QStringList layouts = {"QWERTY", "Mac", "Dvorak"};
    for (const Model &m : hidListModels()) {
        const KeyLayoutFile file = layoutFile(KeyLayoutFile::fileNameForModel(m.name));
        if (file.header().supportOnboard != 1)
            continue;
        for (int i = 0; i < layouts.size(); ++i)
            QTest::newRow(qPrintable(m.name + QLatin1Char(' ') + layouts.at(i))) << m.name << layouts.at(i) << i + 1;
    }
}

void tst_KeyboardData::defaultLayers()
{
    QFETCH(QString, model);
    QFETCH(QString, layout);
    QFETCH(int, firstIndex);
    const QString file = QStringLiteral("onboardDeviceConfig/%1_Def%2.xml").arg(model, layout);
    const QByteArray bytes = resourceBytes(file);
    QVERIFY2(!bytes.isEmpty(), qPrintable(file));
    checkStoreXmlLayout(bytes, file);
    const KeyLayoutFile keysFile = layoutFile(KeyLayoutFile::fileNameForModel(model));

    QXmlStreamReader xml(bytes);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("Parameters"));
    QCOMPARE(xml.attributes().value("profileIndex").toInt(), 1);
    int config = 0;
    int fnValue = 0;
    QMap<int, int> values; // key code -> bound code, default layer
    while (xml.readNextStartElement()) {
        QCOMPARE(xml.name().toString(), QStringLiteral("config"));
        QCOMPARE(xml.attributes().value("index").toInt(), firstIndex + config);
        QCOMPARE(xml.attributes().value("name").toString(), QStringLiteral("Profile_") + layout);
        QStringList children;
        int cell = 0;
        while (xml.readNextStartElement()) {
            children << xml.name().toString();
            if (xml.name() == QLatin1String("light0")) {
                QCOMPARE(xml.attributes().value("usingIndex").toInt(), config == 0 ? 20 : 2);
                QCOMPARE(xml.attributes().value("SynchronizeStatus").toInt(), config == 0 ? 1 : 0);
            }
            if (xml.name() != QLatin1String("macro")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                const QXmlStreamAttributes a = xml.attributes();
                const int code = a.value("keyCode").toInt();
                QCOMPARE(a.value("repeatNum").toString(), QStringLiteral("1"));
                QCOMPARE(a.value("mode").toString(), QStringLiteral("1"));
                if (config == 0) {
                    const KeyLayoutFile::KeyCell &k = keysFile.cell(cell / 22, cell % 22);
                    QCOMPARE(code, k.isEmpty() ? -1 : k.dec);
                    if (k.isEmpty()) {
                        QCOMPARE(a.value("keyChar").toString(), QStringLiteral("-"));
                        QCOMPARE(a.value("operateType").toInt(), -1);
                        QCOMPARE(a.value("Value").toInt(), 0);
                    } else {
                        QCOMPARE(a.value("keyChar").toString(), k.caption);
                        QCOMPARE(a.value("operateType").toInt(), 0);
                        values.insert(code, a.value("Value").toInt());
                    }
                } else {
                    QCOMPARE(code, -10);
                    QCOMPARE(a.value("keyChar").toString(), QStringLiteral("Fn"));
                    fnValue = a.value("Value").toInt();
                }
                ++cell;
                xml.skipCurrentElement();
            }
            QCOMPARE(cell, config == 0 ? 132 : 1);
        }
        QCOMPARE(children, (QStringList{"light0", "light1", "light2", "customColor", "customLight", "ribbon",
                                        "onboardBinding", "macro", "dpi", "function", "bindMacro"}));
        ++config;
    }
    QCOMPARE(config, 2);
    QVERIFY(fnValue == -10 || fnValue == -20);
    QCOMPARE(values.value(-10), fnValue);

    // Every other key binds itself, except where the layout moves it.
    if (layout == QLatin1String("QWERTY")) {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            if (it.key() != -10)
                QCOMPARE(it.value(), it.key());
    } else if (layout == QLatin1String("Mac")) {
        QCOMPARE(values.value(226), 227); // Option and Command take Alt's and Windows' places
        QCOMPARE(values.value(227), 226);
        QCOMPARE(values.value(4), 4);
    } else {
        QCOMPARE(values.value(20), 52); // Q sends the apostrophe
        QCOMPARE(values.value(22), 18); // S sends O
        QCOMPARE(values.value(56), 29); // slash sends Z
        QCOMPARE(values.value(4), 4);
    }
}

void tst_KeyboardData::softKeyboardLayout()
{
    const QByteArray bytes = resourceBytes(QStringLiteral("softKeyInfoNormalUS.config"));
    checkCrLf(bytes, QStringLiteral("softKeyInfoNormalUS.config"));
    const JsonPtr root(cJSON_ParseWithLength(bytes.constData(), size_t(bytes.size())));
    QVERIFY(root);
    const cJSON *header = cJSON_GetObjectItemCaseSensitive(root.get(), "Keyboard");
    QCOMPARE(cJSON_GetArraySize(header), 2);
    QCOMPARE(QString::fromLatin1(cJSON_GetObjectItemCaseSensitive(header, "KeyboardIntroduction")->valuestring),
             QStringLiteral("104Key+7Key+18Key"));
    QVERIFY(!cJSON_GetObjectItemCaseSensitive(root.get(), "EveryKeyInfo_Row00"));
    QVERIFY(!cJSON_GetObjectItemCaseSensitive(root.get(), "EveryKeyInfo_Row07"));

    const int expectedCounts[] = {16, 21, 21, 16, 17, 12};
    const QRect page(0, 0, 700, 150);
    QSet<int> codes;
    QVector<QRect> seen;
    int total = 0;
    for (int row = 1; row <= 6; ++row) {
        const cJSON *array = cJSON_GetObjectItemCaseSensitive(root.get(), qPrintable(QStringLiteral("EveryKeyInfo_Row0%1").arg(row)));
        QCOMPARE(cJSON_GetArraySize(array), expectedCounts[row - 1]);
        for (const cJSON *cell = array->child; cell; cell = cell->next) {
            auto num = [cell](const char *name) { return cJSON_GetObjectItemCaseSensitive(cell, name)->valueint; };
            const int code = num("Dec");
            QVERIFY(code != 0);
            QVERIFY2(!codes.contains(code), qPrintable(QString::number(code)));
            codes.insert(code);
            const QRect rect(num("PosX"), num("PosY"), num("Width"), num("Height"));
            QVERIFY(page.contains(rect));
            for (const QRect &other : seen)
                QVERIFY2(!rect.intersects(other), qPrintable(QString::number(code)));
            seen.append(rect);
            QVERIFY(cJSON_IsString(cJSON_GetObjectItemCaseSensitive(cell, "Character")));
            const cJSON *flags = cJSON_GetObjectItemCaseSensitive(cell, "keyFlags");
            if (code == 40) {
                QCOMPARE(row, 4);
                QVERIFY(flags && flags->valueint == 0);
            } else if (code == 88) {
                QCOMPARE(row, 5);
                QVERIFY(flags && flags->valueint == 1);
            } else {
                QVERIFY(!flags);
            }
            ++total;
        }
    }
    QCOMPARE(total, 103);
    QVERIFY(!codes.contains(-10));
    // What the on-screen keyboard names keys by must be there.
    for (int code : {36, 52, 49, 226, 230, 227, 101, 40, 88, 224, 225, 228, 229})
        QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
}

void tst_KeyboardData::macroPageLayout()
{
    const KeyLayoutFile layout = layoutFile(QStringLiteral("KeyInfo_FullSizeUS.config"));
    QVERIFY(layout.isLoaded());
    QCOMPARE(layout.keyCount(), 104);
    QSet<int> virtualKeys;
    QMap<int, int> byCode;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 22; ++c) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, c);
            if (cell.isEmpty())
                continue;
            QVERIFY2(cell.qtDec > 0, qPrintable(cellName(r, c)));
            QVERIFY2(!virtualKeys.contains(cell.qtDec), qPrintable(cellName(r, c)));
            virtualKeys.insert(cell.qtDec);
            byCode.insert(cell.dec, cell.qtDec);
        }
    }
    QCOMPARE(byCode.value(40), 999);
    QCOMPARE(byCode.value(88), 998);
    QCOMPARE(byCode.value(224), 162);
    QCOMPARE(byCode.value(4), 65);
    QCOMPARE(byCode.value(41), 27);
    QVERIFY(byCode.contains(231)); // both Windows keys
    QVERIFY(!byCode.contains(-10));
}

// The files are written by the generator in tools/: running it again must
// give exactly the files in the tree.
void tst_KeyboardData::generatorOutputIsCommitted()
{
    const GeneratorOutput out = GeneratorOutput::run(QStringLiteral("tools/keyboardData/generate.py"), 120000);
    if (out.pythonMissing)
        QSKIP("python3 is not installed");
    QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
    for (auto it = out.files.cbegin(); it != out.files.cend(); ++it) {
        bool exists = false;
        const QByteArray committed = GeneratorOutput::committed(it.key(), &exists);
        QVERIFY2(exists, qPrintable(it.key() + QStringLiteral(" is not committed")));
        QVERIFY2(committed == it.value(), qPrintable(it.key() + QStringLiteral(" is out of date")));
    }
    QVERIFY(out.files.size() >= 5 + 1 + 1 + 6 + 4 + 12 + 5);
}

QTEST_GUILESS_MAIN(tst_KeyboardData)
#include "tst_keyboarddata.moc"
