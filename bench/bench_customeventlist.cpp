// Filling the customised-keys list: one panel for a profile with 104 bindings
// in a file of ten such profiles, rows included, and the store's share of it.
// Target: under 100 ms.

#include "keyBindingBenchFiles.h"

#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "TextNumber.h"

#include <QApplication>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

using namespace keyBindingBench;

namespace {

constexpr int kRounds = 20;

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DDataManager::instance();
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    xmlInterface store;
    const QString path = dir.filePath(QStringLiteral("pardexProFile.xml"));
    buildProfileFile(store, path);
    const QByteArray localPath = QFile::encodeName(path);
    const QByteArray profile = QByteArray::number(kProfiles / 2);
    const QMap<int, QString> names = keyNames();
    print("customeventlist_profile_file", QFileInfo(path).size() / 1024.0, "KiB");

    int rows = 0;
    const double fill = medianMs(kRounds, [&] {
        DCustomEventWidget panel;
        panel.loadCustomEventList(&store, localPath.constData(), kProfiles / 2, names);
        rows = panel.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size();
    });
    print("customeventlist_rows", rows, "rows");
    print("customeventlist_fill", fill, "ms");

    // The store calls of one fill: the profile's bindings in one load, and
    // the header of each profile a switch names.
    const double storeReads = medianMs(kRounds, [&] {
        QList<customKeyInfo> items;
        store.getKeyInfoList(path, profile, items);
        QSet<QByteArray> targets;
        for (const customKeyInfo &item : qAsConst(items)) {
            if (textToInt(item.operateType) == 7)
                targets.insert(QByteArray(item.Value));
        }
        for (const QByteArray &target : qAsConst(targets)) {
            profileInfo info;
            store.getProfileInfo(path, target, info);
        }
    });
    print("customeventlist_store_reads", storeReads, "ms");
    print("customeventlist_store_share", 100.0 * storeReads / fill, "%");

    // The same bindings read one load per key, as a per-key lookup would.
    const double perKey = medianMs(5, [&] {
        QList<QByteArray> codes;
        store.getKeyCodeList(path, profile, codes);
        for (const QByteArray &code : qAsConst(codes)) {
            customKeyInfo info;
            store.getKeyInfo(path, profile, code, info);
        }
    });
    print("customeventlist_store_reads_one_load_per_key", perKey, "ms");
    return 0;
}
