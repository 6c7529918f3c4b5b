#include "generatorOutput.h"

#include <QFileInfo>
#include <QImage>
#include <QtTest>

// The pictures we draw ourselves come from tools/make_pictures.py: running it
// again must give exactly the committed files, and each must load as the
// picture its name says (PNG, or ICO for the tray icon).
class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void generatorOutputIsCommitted()
    {
        const GeneratorOutput out = GeneratorOutput::run(QStringLiteral("tools/make_pictures.py"), 540000);
        if (out.pythonMissing)
            QSKIP("python3 is not installed");
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        QVERIFY(!out.files.isEmpty());
        for (auto it = out.files.cbegin(); it != out.files.cend(); ++it) {
            bool exists = false;
            const QByteArray committed = GeneratorOutput::committed(QStringLiteral("images/") + it.key(), &exists);
            QVERIFY2(exists, qPrintable(it.key() + QStringLiteral(" is not committed")));
            QVERIFY2(committed == it.value(), qPrintable(it.key() + QStringLiteral(" is out of date")));
            const QByteArray format = QFileInfo(it.key()).suffix().toUpper().toLatin1();
            QVERIFY2(!QImage::fromData(it.value(), format.constData()).isNull(),
                     qPrintable(it.key() + QStringLiteral(" is no ") + QString::fromLatin1(format)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Pictures)
#include "tst_pictures.moc"
