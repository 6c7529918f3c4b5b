#include "FixedText.h"
#include "SimulatedDeviceConfig.h"
#include "firmwareImage.h"
#include "simulatedFirmwareImages.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

hidFirmwareInfo deviceRecord(const QStringList &fields, const QString &path = QStringLiteral("/p"))
{
    hidFirmwareInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.chipFamily, fields.value(0));
    fixedTextCopy(info.idCode1, fields.value(1));
    fixedTextCopy(info.idCode2, fields.value(2));
    fixedTextCopy(info.idCode3, fields.value(3));
    fixedTextCopy(info.modelName, fields.value(4));
    fixedTextCopy(info.firmwareVersion, fields.value(5));
    fixedTextCopy(info.hidPath, path);
    return info;
}

hidVersionInfo versionRecord(const QString &model, const QString &path)
{
    hidVersionInfo v;
    std::memset(&v, 0, sizeof v);
    fixedTextCopy(v.field1, "M252");
    fixedTextCopy(v.field5, model);
    fixedTextCopy(v.version, "V1.00.03");
    fixedTextCopy(v.path, path);
    return v;
}

hidStructInfo deviceEntry(const QString &model, const QString &path)
{
    hidStructInfo d;
    std::memset(&d, 0, sizeof d);
    fixedTextCopy(d.hidPath, path);
    fixedTextCopy(d.hidName, model);
    return d;
}

const QStringList kMice{QStringLiteral("Bovelli")};

} // namespace

// The chip table, the identification block, the version test and the
// carried images.
class tst_FirmwareImage : public QObject
{
    Q_OBJECT

private slots:
    void chipTable_data();
    void chipTable();
    void versionTest_data();
    void versionTest();
    void identificationTest_data();
    void identificationTest();
    void identificationText();
    void candidatesAreTheScannedDevices();
    void loadsAndRefusesImages();
    void simulatedImagesMatchTheirDevices_data();
    void simulatedImagesMatchTheirDevices();
};

void tst_FirmwareImage::chipTable_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("textAddress");
    QTest::newRow("M252") << "M252" << 0x10000 << 0xFE1C;
    QTest::newRow("NUC") << "NUC" << 0x8000 << 0x7E1C;
    QTest::newRow("NUC121") << "NUC121" << 0x8000 << 0x7E1C;
    QTest::newRow("SN") << "SN" << 0x7800 << 0x76C0;
    QTest::newRow("the mouse's model name") << "Bovelli" << 0x7800 << 0x76C0;
    QTest::newRow("m252 in lower case") << "m252" << 0 << 0;
    QTest::newRow("another mouse name") << "Bovell" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
}

void tst_FirmwareImage::chipTable()
{
    QFETCH(QString, family);
    QFETCH(int, size);
    QFETCH(int, textAddress);
    const firmwareChipInfo chip = firmwareChipForFamily(family, kMice);
    QCOMPARE(chip.imageSize, size);
    QCOMPARE(chip.idTextAddress, textAddress);
    QCOMPARE(chip.isValid(), size > 0);
    if (chip.isValid())
        QCOMPARE(chip.idTextAddress - chip.idBlockAddress, 28);
}

void tst_FirmwareImage::versionTest_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("newer");
    QTest::newRow("V1.00.10 over V1.00.09") << "V1.00.10" << "V1.00.09" << true;
    QTest::newRow("V1.0.10 over V1.0.9 (numbers, not characters)") << "V1.0.10" << "V1.0.9" << true;
    QTest::newRow("V1.0.9 over V1.0.10") << "V1.0.9" << "V1.0.10" << false;
    QTest::newRow("equal") << "V1.00.03" << "V1.00.03" << false;
    QTest::newRow("older") << "V1.00.02" << "V1.00.03" << false;
    QTest::newRow("only the V's case differs") << "v1.00.03" << "V1.00.03" << false;
    QTest::newRow("device's v in lower case, image newer") << "V1.00.04" << "v1.00.03" << true;
    QTest::newRow("one more part") << "V1.0.0" << "V1.0" << true;
    QTest::newRow("one part fewer") << "V1.0" << "V1.0.0" << false;
    QTest::newRow("major above minor") << "V2.0" << "V1.99.99" << true;
    QTest::newRow("padding only") << "V1.000.3" << "V1.00.03" << false;
    QTest::newRow("huge numbers") << "V1.100000000000000000001" << "V1.100000000000000000000" << true;
    QTest::newRow("not a version: characters") << "V1.0b" << "V1.0a" << true;
    QTest::newRow("not a version: prefix is smaller") << "beta" << "beta2" << false;
    QTest::newRow("not a version: folded case") << "BETA" << "alpha" << true;
    QTest::newRow("empty image version") << "" << "V1.00.03" << false;
    QTest::newRow("empty device version") << "V1.00.03" << "" << true;
}

void tst_FirmwareImage::versionTest()
{
    QFETCH(QString, image);
    QFETCH(QString, device);
    QFETCH(bool, newer);
    QCOMPARE(isFirmwareVersionNewer(image, device), newer);
}

void tst_FirmwareImage::identificationTest_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QStringList>("image");
    QTest::addColumn<bool>("offered");
    const QStringList device{"M252", "01", "KB", "QS", "Quissaro", "V1.00.03"};
    QTest::newRow("same fields, newer") << device << QStringList{"M252", "01", "KB", "QS", "Quissaro", "V1.00.04"}
                                        << true;
    QTest::newRow("fields differ only in case") << device
                                                << QStringList{"m252", "01", "kb", "qs", "QUISSARO", "V1.00.04"} << true;
    QTest::newRow("other chip family") << device << QStringList{"NUC121", "01", "KB", "QS", "Quissaro", "V1.00.04"}
                                       << false;
    QTest::newRow("other code 1") << device << QStringList{"M252", "02", "KB", "QS", "Quissaro", "V1.00.04"} << false;
    QTest::newRow("other code 2") << device << QStringList{"M252", "01", "MS", "QS", "Quissaro", "V1.00.04"} << false;
    QTest::newRow("other code 3") << device << QStringList{"M252", "01", "KB", "QX", "Quissaro", "V1.00.04"} << false;
    QTest::newRow("other model") << device << QStringList{"M252", "01", "KB", "QS", "Rosquine", "V1.00.04"} << false;
    QTest::newRow("equal version") << device << QStringList{"M252", "01", "KB", "QS", "Quissaro", "V1.00.03"}
                                   << false;
    QTest::newRow("fewer fields on both sides")
        << QStringList{"M252", "01", "", "", "", "V1"} << firmwareIdentificationFields("M252,01") << false;
    QTest::newRow("missing fields compare as empty")
        << QStringList{"M252", "", "", "", "", ""} << firmwareIdentificationFields("M252,,,,,V1") << true;
}

void tst_FirmwareImage::identificationTest()
{
    QFETCH(QStringList, device);
    QFETCH(QStringList, image);
    QFETCH(bool, offered);
    QCOMPARE(isFirmwareImageNewer(deviceRecord(device), image), offered);
}

void tst_FirmwareImage::identificationText()
{
    const firmwareChipInfo chip = firmwareChipForFamily(QStringLiteral("NUC121"), kMice);
    QByteArray image(chip.imageSize, '\x55');
    image.replace(chip.idTextAddress, 25, QByteArray("NUC121,01,KB,QS,Ry,V1.2\0", 25));
    QCOMPARE(firmwareIdentificationText(image, chip), QStringLiteral("NUC121,01,KB,QS,Ry,V1.2"));
    QCOMPARE(firmwareIdentificationFields(QStringLiteral("NUC121,01,KB,QS,Ry,V1.2")),
             QStringList({"NUC121", "01", "KB", "QS", "Ry", "V1.2"}));
    // The sixth field ends at a seventh comma.
    QCOMPARE(firmwareIdentificationFields(QStringLiteral("a,b,c,d,e,V1,extra")).value(5), QStringLiteral("V1"));
    QCOMPARE(firmwareIdentificationFields(QStringLiteral("a,b")).size(), 6);
    // No zero byte: 50 bytes at most.
    QByteArray full(chip.imageSize, 'x');
    QCOMPARE(firmwareIdentificationText(full, chip).size(), kFirmwareIdTextBytes);
    // An image shorter than the chip's: nothing.
    QVERIFY(firmwareIdentificationText(QByteArray(100, 'x'), chip).isEmpty());
}

// Only identifications of listed paths whose model is that device's name:
// an identification left over from a dropped path is not checked.
void tst_FirmwareImage::candidatesAreTheScannedDevices()
{
    const QList<hidVersionInfo> versions{versionRecord("Quissaro", "/a"), versionRecord("Quissaro", "/gone"),
                                         versionRecord("Quissaro", "/renamed"), versionRecord("Bovelli", "/b")};
    const QList<hidStructInfo> devices{deviceEntry("Quissaro", "/a"), deviceEntry("Hid Name", "/renamed"),
                                       deviceEntry("Bovelli", "/b")};
    const QList<hidFirmwareInfo> candidates = firmwareCheckCandidates(versions, devices);
    QCOMPARE(candidates.size(), 2);
    QCOMPARE(fixedText(candidates.at(0).hidPath), QStringLiteral("/a"));
    QCOMPARE(fixedText(candidates.at(1).hidPath), QStringLiteral("/b"));
    QCOMPARE(fixedText(candidates.at(0).chipFamily), QStringLiteral("M252"));
    QCOMPARE(fixedText(candidates.at(0).firmwareVersion), QStringLiteral("V1.00.03"));
    QVERIFY(fixedText(candidates.at(0).newVersion).isEmpty());
}

void tst_FirmwareImage::loadsAndRefusesImages()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto write = [&dir](const char *name, const QByteArray &text) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("good.hex", ":020000001234B8\n:00000001FF\n");
    write("broken.hex", ":020000001234B9\n:00000001FF\n");
    firmwareImageLoad load = loadFirmwareImage(dir.filePath("good.hex"), 16);
    QVERIFY(load.ok());
    QCOMPARE(load.image.toHex(), QByteArray("12340000000000000000000000000000"));
    load = loadFirmwareImage(dir.filePath("broken.hex"), 16);
    QCOMPARE(load.status, firmwareImageLoad::Broken);
    QVERIFY(load.image.isEmpty());
    QVERIFY(load.describe().contains(QStringLiteral("line 1: bad checksum")));
    QCOMPARE(loadFirmwareImage(dir.filePath("none.hex"), 16).status, firmwareImageLoad::Missing);
    QCOMPARE(loadFirmwareImage(dir.path(), 16).status, firmwareImageLoad::OpenFailed);

    setFirmwareImageFolder(dir.path());
    QCOMPARE(firmwareImagePath(QStringLiteral("good")), dir.path() + QStringLiteral("/good.hex"));
    setFirmwareImageFolder(QString());
    QCOMPARE(firmwareImagePath(QStringLiteral("Quissaro")), QStringLiteral(":/images/UpdateHex/Quissaro.hex"));
}

void tst_FirmwareImage::simulatedImagesMatchTheirDevices_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("newer");
    for (const char *model : {"Quissaro", "Rosquine", "Rulvarro", "Ryzzmond", "Bovelli"})
        QTest::newRow(model) << model << true;
    QTest::newRow("Varrowen (equal)") << "Varrowen" << false;
}

void tst_FirmwareImage::simulatedImagesMatchTheirDevices()
{
    QFETCH(QString, model);
    QFETCH(bool, newer);
    simulatedFirmwareImages::install();
    const SimulatedDeviceConfig config = SimulatedDeviceConfig::forModel(model);
    const firmwareChipInfo chip = firmwareChipForFamily(config.identificationFields.value(0), kMice);
    QVERIFY(chip.isValid());
    QCOMPARE(chip.imageSize, config.bootloader.imageSize);
    const firmwareImageLoad load = loadFirmwareImage(firmwareImagePath(model), chip.imageSize);
    QVERIFY2(load.ok(), qPrintable(load.describe()));
    // Filler over the whole chip size.
    QCOMPARE(load.hex.dataBytes, chip.imageSize);
    const QStringList fields = firmwareIdentificationFields(firmwareIdentificationText(load.image, chip));
    QCOMPARE(fields.mid(0, 5), config.identificationFields.mid(0, 5));
    QCOMPARE(isFirmwareImageNewer(deviceRecord(config.identificationFields), fields), newer);
    setFirmwareImageFolder(QString());
}

QTEST_GUILESS_MAIN(tst_FirmwareImage)
#include "tst_firmwareimage.moc"
