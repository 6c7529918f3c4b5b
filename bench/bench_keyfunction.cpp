// One save of a key binding through its page: a remap, and a macro binding
// that also writes the profile's copy of the macro. In a profile file of ten
// profiles with 104 bindings each. Target: under 10 ms each.

#include "keyBindingBenchFiles.h"

#include "DChangeKeyPage.h"
#include "DDataManager.h"
#include "DMacroCmdPage.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

using namespace keyBindingBench;

namespace {

constexpr int kRounds = 30;
constexpr int kMacros = 50;
constexpr int kEventsPerMacro = 40;

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
    const QString profiles = dir.filePath(QStringLiteral("pardexProFile.xml"));
    const QString macros = dir.filePath(QStringLiteral("pardexMacro.xml"));
    buildProfileFile(store, profiles);
    buildMacroFile(store, macros, kMacros, kEventsPerMacro);
    print("keyfunction_profile_file", QFileInfo(profiles).size() / 1024.0, "KiB");
    print("keyfunction_macro_file", QFileInfo(macros).size() / 1024.0, "KiB");
    const QByteArray profilePath = QFile::encodeName(profiles);
    const QByteArray macroPath = QFile::encodeName(macros);
    const QPair<int, QString> key(20, QStringLiteral("Key20"));

    DChangeKeyPage remap;
    remap.setProfileIndex(5);
    remap.setHidInterfaceAndXml(nullptr, &store);
    remap.setCurrentKey(key);
    remap.setFilePaths(macroPath.constData(), profilePath.constData());
    remap.setKeyNameMap(keyNames());
    remap.loadCurrentKeyFunction();
    int target = 4;
    const double remapSave = medianMs(
        kRounds, [&] { remap.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click(); },
        [&] { remap.setCapturedKey(target = target == 4 ? 5 : 4); });
    print("keyfunction_save_remap", remapSave, "ms");
    // The store's part: the delete and the add the save is made of.
    const double storeOnly = medianMs(kRounds, [&] {
        store.deleteKeyInfo(profiles, "5", "20");
        store.addKeyInfo(profiles, "5", "20", "Key20", "0", "1", "1", "4");
    });
    print("keyfunction_store_delete_add", storeOnly, "ms");

    DMacroCmdPage macro;
    macro.setProfileIndex(5);
    macro.setHidInterfaceAndXml(nullptr, &store);
    macro.setCurrentKey(key);
    macro.setFilePaths(macroPath.constData(), profilePath.constData());
    macro.loadCurrentKeyFunction();
    auto *list = macro.findChild<QComboBox *>(QStringLiteral("comboBox_Macro"));
    list->setCurrentIndex(list->findData(QStringLiteral("%1").arg(kMacros)));
    // Each round is the macro's first binding in the profile: it writes the copy.
    const double macroSave = medianMs(
        kRounds, [&] { macro.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click(); },
        [&] {
            store.deleteKeyInfo(profiles, "5", "20");
            store.deleteBindMacro(profiles, "5", QByteArray::number(kMacros));
        });
    print("keyfunction_save_macro_with_copy", macroSave, "ms");
    return 0;
}
