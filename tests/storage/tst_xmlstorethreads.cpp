// The store from several threads at once: the macro playback thread reads a
// profile file while the GUI thread writes it.

#include "xmlInterface.h"
#include "xmlTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <tinyxml2.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

namespace {

const int kBoundEvents = 40;

QList<macroItemInfo> boundEvents()
{
    QList<macroItemInfo> events;
    for (int i = 0; i < kBoundEvents; ++i) {
        macroItemInfo event;
        std::memset(&event, 0, sizeof event);
        fixedTextCopy(event.mark, QByteArray::number(i / 2));
        fixedTextCopy(event.delay, QByteArray::number(i));
        fixedTextCopy(event.type, "key");
        fixedTextCopy(event.keyCode, "4");
        fixedTextCopy(event.codeName, "A");
        fixedTextCopy(event.operateExplain, i % 2 ? "up" : "down");
        events.append(event);
    }
    return events;
}

} // namespace

class tst_XmlStoreThreads : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readerNeverSeesPartialFile();
    void concurrentWritersLoseNothing();
    void readerFollowsFileReplacedOutside();

private:
    // A profile file with one keyboard profile, index 1.
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    xmlInterface m_store;
};

void tst_XmlStoreThreads::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath("pardexProFile.xml");
    QVERIFY(m_store.createXmlFile(m_path));
    QVERIFY(m_store.addProfile(m_path, "1", "Profile1", "", "", 0));
}

void tst_XmlStoreThreads::readerNeverSeesPartialFile()
{
    QVERIFY(m_store.addKeyInfo(m_path, "1", "4", "A", "1", "1", "1", "3"));
    QVERIFY(m_store.addBindMacro(m_path, "1", boundEvents(), "3", "Macro3"));

    std::atomic<bool> writing{true};
    std::atomic<int> reads{0};
    std::atomic<int> badReads{0};
    std::atomic<int> badFiles{0};

    // The GUI thread's side: rewrites the file over and over.
    std::thread writer([&] {
        const QList<macroItemInfo> events = boundEvents();
        for (int i = 0; i < 150; ++i) {
            m_store.addKeyInfo(m_path, "1", "5", "B", "0", "1", "1", QByteArray::number(i));
            m_store.addBindMacro(m_path, "1", events, "9", "Macro9");
            m_store.setLightUsingIndex(m_path, "1", 0, i % 20);
            m_store.deleteBindMacro(m_path, "1", "9");
            m_store.deleteKeyInfo(m_path, "1", "5");
        }
        writing = false;
    });

    // The playback thread's side: what it reads is always whole.
    std::thread reader([&] {
        while (writing) {
            customKeyInfo key;
            std::memset(&key, 0, sizeof key);
            if (!m_store.getKeyInfo(m_path, "1", "4", key) || std::strcmp(key.Value, "3") != 0)
                ++badReads;
            QList<macroItemInfo> events;
            if (!m_store.getBindMacroItems(m_path, "1", "3", events) || events.size() != kBoundEvents)
                ++badReads;
            ++reads;
        }
    });

    // Even a reader that bypasses the store's lock never finds a partial
    // file on disk: saves replace it in one step.
    std::thread rawReader([&] {
        while (writing) {
            const QByteArray bytes = readBytes(m_path);
            tinyxml2::XMLDocument doc;
            if (doc.Parse(bytes.constData(), static_cast<size_t>(bytes.size())) != tinyxml2::XML_SUCCESS)
                ++badFiles;
        }
    });

    writer.join();
    reader.join();
    rawReader.join();
    QVERIFY(reads > 0);
    QCOMPARE(badReads.load(), 0);
    QCOMPARE(badFiles.load(), 0);
    QVERIFY(!m_store.hasKeyInfo(m_path, "1", "5"));
}

void tst_XmlStoreThreads::concurrentWritersLoseNothing()
{
    // Each operation holds the lock from load to save, so two writers never
    // save over each other's change.
    const int perThread = 60;
    auto addKeys = [&](int first) {
        for (int code = first; code < first + perThread; ++code)
            m_store.addKeyInfo(m_path, "1", QByteArray::number(code), "k", "0", "1", "1", "0");
    };
    std::thread one(addKeys, 1000);
    std::thread two(addKeys, 2000);
    one.join();
    two.join();

    QList<QByteArray> codes;
    QVERIFY(m_store.getKeyCodeList(m_path, "1", codes));
    QCOMPARE(codes.size(), 2 * perThread);
    for (int code = 1000; code < 1000 + perThread; ++code) {
        QVERIFY(codes.contains(QByteArray::number(code)));
        QVERIFY(codes.contains(QByteArray::number(code + 1000)));
    }
}

void tst_XmlStoreThreads::readerFollowsFileReplacedOutside()
{
    // Another program replaces the file again and again with one of two
    // whole versions while the playback thread reads through the store: it
    // gets one of them each time, and the last one once the writer is done.
    QVERIFY(m_store.addKeyInfo(m_path, "1", "4", "A", "1", "1", "1", "3"));
    const QByteArray three = readBytes(m_path);
    const QByteArray eight = QByteArray(three).replace("Value=\"3\"", "Value=\"8\"");
    const QString next = m_path + ".next";

    std::atomic<bool> writing{true};
    std::atomic<int> reads{0};
    std::atomic<int> badReads{0};
    std::thread outside([&] {
        for (int i = 1; i <= 200; ++i) {
            writeBytes(next, i % 2 ? eight : three);
            std::rename(QFile::encodeName(next).constData(), QFile::encodeName(m_path).constData());
        }
        writing = false;
    });
    std::thread reader([&] {
        while (writing) {
            customKeyInfo key;
            std::memset(&key, 0, sizeof key);
            if (!m_store.getKeyInfo(m_path, "1", "4", key)
                || (std::strcmp(key.Value, "3") != 0 && std::strcmp(key.Value, "8") != 0))
                ++badReads;
            ++reads;
        }
    });
    outside.join();
    reader.join();
    QVERIFY(reads > 0);
    QCOMPARE(badReads.load(), 0);
    customKeyInfo key;
    std::memset(&key, 0, sizeof key);
    QVERIFY(m_store.getKeyInfo(m_path, "1", "4", key));
    QCOMPARE(QByteArray(key.Value), QByteArray("3"));
}

QTEST_GUILESS_MAIN(tst_XmlStoreThreads)
#include "tst_xmlstorethreads.moc"
