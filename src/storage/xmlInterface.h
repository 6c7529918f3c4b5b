#pragma once

#include "xmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// The program's one XML store: profiles, key bindings, lighting, macros,
// on-board layers and the device lists.
//
// Every operation acts on its file as it is on disk at that moment: it reads
// or changes the file and, when it changes it, saves it again atomically, all
// under one store-wide lock, so the macro playback thread may read while the
// GUI thread writes. Any thread may call it. Behind the operations, the
// parsed documents of the last few files stay in memory while their files
// are unchanged, so a key press never parses a file; no caller can tell.
//
// Conventions:
// - The first argument is the file path.
// - Texts are UTF-8 byte strings, stored and returned byte for byte.
// - A profile/macro/node "value" selects a root child: the first one whose
//   `index` equals the text, else the first one with any attribute equal to it.
//   Callers pass the index as decimal text. The custom-light operations take
//   a profile *index* and look at `index` only.
// - A file that is missing or does not parse completely counts as missing:
//   readers give their defaults and leave out records and lists as they were,
//   writers change nothing and return false.
// - Writers return true when their change was made and saved. Once their
//   anchor is found (the profile or macro; the root for the operations on
//   the root and its children) they save even when the final target is
//   missing, and return false then. Without the anchor nothing is written.
// - Record readers fill the fields whose attribute exists (cut to the field's
//   width on a UTF-8 character boundary) and leave the others as they were;
//   list readers append records that start zeroed.
// - Failures are logged as warnings; nothing is shown to the user.
class xmlInterface : public QObject
{
    Q_OBJECT

public:
    explicit xmlInterface(QObject *parent = nullptr);

    // --- Files and the selected profile ---------------------------------
    // A new file: declaration and an empty `Parameters` with profileIndex 1,
    // replacing any file at the path.
    bool createXmlFile(const QString &path);
    // The root's profileIndex; 1 when the file, root or attribute is missing.
    int getProfileIndex(const QString &path);
    bool setProfileIndex(const QString &path, int index);

    // --- Root children (profiles, macros, on-board configurations) ------
    // True when a root child matches the value.
    bool findNode(const QString &path, const QByteArray &value);
    bool deleteNode(const QString &path, const QByteArray &value);
    bool setNodeName(const QString &path, const QByteArray &value, const QByteArray &name);
    // index = the matching attribute read as a number; name = the attribute
    // after it (the `name` when the match was on `index`). True when found.
    bool getNodeIndexAndName(const QString &path, const QByteArray &value, nodeIndexNameInfo &info);
    // Replace the list with the root children's (index, name) pairs: first of
    // an index wins, sorted by the index's number. False (list untouched)
    // when the file or root is missing.
    bool getMacroList(const QString &path, xmlIndexNameList &list);
    bool getProfileList(const QString &path, xmlIndexNameList &list);

    // --- Profiles as a whole ---------------------------------------------
    // Appends a `config` with the eleven children of a new profile;
    // deviceType 1 is a mouse, anything else a keyboard.
    bool addProfile(const QString &path, const QByteArray &index, const QByteArray &name,
                    const QByteArray &appName, const QByteArray &appIco, int deviceType);
    // The profile matching index, if any, removed and a new one with that
    // index and name appended (no program, no icon), in one save: a failed
    // save leaves the old profile.
    bool recreateProfile(const QString &path, const QByteArray &index, const QByteArray &name,
                         int deviceType);
    bool setProfileInfo(const QString &path, const QByteArray &profile, const QByteArray &name,
                        const QByteArray &appName, const QByteArray &appIco);
    bool getProfileInfo(const QString &path, const QByteArray &profile, profileInfo &info);
    // Copies the source's matching root child to the end of the destination's
    // root (which must exist). With renumber the copy's index is the value's
    // number plus 1. The source is never written.
    bool exportProfile(const QString &srcPath, const QString &dstPath, const QByteArray &value,
                       bool renumber);
    // The copy gets the destination's largest index plus 1 (0 when it has none).
    bool importProfile(const QString &dstPath, const QString &srcPath, const QByteArray &value);
    bool copyProfileWithIndex(const QString &dstPath, int index, const QString &srcPath,
                              const QByteArray &value);

    // --- Key bindings (items of the profile's `macro` element) ----------
    // Appends without looking for an existing binding: delete it first.
    bool addKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode,
                    const QByteArray &keyChar, const QByteArray &operateType,
                    const QByteArray &repeatNum, const QByteArray &mode, const QByteArray &value);
    bool deleteKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode);
    // deleteKeyInfo and addKeyInfo in one save: the file holds the old
    // binding or the new one, never neither.
    bool replaceKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode,
                        const QByteArray &keyChar, const QByteArray &operateType,
                        const QByteArray &repeatNum, const QByteArray &mode, const QByteArray &value);
    // Fills the record from the key's first item; untouched (false) when none.
    bool getKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode,
                    customKeyInfo &info);
    bool getKeyCodeList(const QString &path, const QByteArray &profile, QList<QByteArray> &list);
    // Appends, in one load, the record of every item of the profile that has a
    // keyCode, in file order, as getKeyInfo reads it (a missing attribute
    // leaves its field empty). False when the profile has no `macro` element.
    bool getKeyInfoList(const QString &path, const QByteArray &profile, QList<customKeyInfo> &list);
    bool hasKeyInfo(const QString &path, const QByteArray &profile, const QByteArray &keyCode);
    // Number of bindings whose operateType and, after it, Value equal the texts
    // (the keys bound to one macro: operateType "1", the macro's index);
    // 0 without a `macro` element; -1 when the file or the profile is missing.
    int countKeysWithValue(const QString &path, const QByteArray &profile,
                           const QByteArray &operateType, const QByteArray &value);

    // --- Macros of the macro file ----------------------------------------
    bool addMacro(const QString &path, const QByteArray &index, const QByteArray &name);
    bool addMacroItems(const QString &path, const QList<macroItemInfo> &items,
                       const QByteArray &macro);
    // macroName is only traced.
    bool getMacroItems(const QString &path, const QByteArray &macro, const QByteArray &macroName,
                       QList<macroItemInfo> &items);
    // Removes every event whose `mark` equals the mark (a press and its release).
    bool deleteMacroItem(const QString &path, const QByteArray &macro, const QByteArray &mark);
    // The first event of the mark, or the second (the release) with second set:
    // takes delay, type, keyCode and codeName from the record.
    bool updateMacroItem(const QString &path, const QByteArray &macro, const QByteArray &mark,
                         bool second, const macroItemInfo &item);
    // Moves that event one place up or down among its siblings.
    bool moveMacroItem(const QString &path, const QByteArray &macro, const QByteArray &mark,
                       bool up, bool second);
    // Replaces all events of the macro with the list in one save; the macro
    // element keeps its place, index and name. A failed save loses nothing.
    bool replaceMacroItems(const QString &path, const QByteArray &macro,
                           const QList<macroItemInfo> &items);
    // Appends a macro together with its events in one save.
    bool addMacroWithItems(const QString &path, const QByteArray &index, const QByteArray &name,
                           const QList<macroItemInfo> &items);
    // A new macro file holding just this macro, replacing any file at the
    // path: written whole or not at all.
    bool createMacroFile(const QString &path, const QByteArray &index, const QByteArray &name,
                         const QList<macroItemInfo> &items);

    // --- Macros bound in a profile (children of `bindMacro`) ------------
    bool addBindMacro(const QString &path, const QByteArray &profile,
                      const QList<macroItemInfo> &items, const QByteArray &macroIndex,
                      const QByteArray &macroName);
    bool deleteBindMacro(const QString &path, const QByteArray &profile, const QByteArray &macro);
    // deleteBindMacro and addBindMacro in one save: the old copy or the new one.
    bool replaceBindMacro(const QString &path, const QByteArray &profile,
                          const QList<macroItemInfo> &items, const QByteArray &macroIndex,
                          const QByteArray &macroName);
    bool getBindMacroItems(const QString &path, const QByteArray &profile,
                           const QByteArray &macro, QList<macroItemInfo> &items);

    // --- Device lists (read only) ----------------------------------------
    bool getHidModelList(const QString &path, QList<hidModelInfo> &list);
    bool getHidSupportList(const QString &path, QList<hidSupportInfo> &list);

    // --- Light items (zone 0 `light0`, 1 `light1`, 2 `light2`) ----------
    // Appends to the zone named by info.ledKeyboardOrSide; no duplicate check.
    bool addLightInfo(const QString &path, const QByteArray &profile, const colorInfoData &info);
    bool getLightInfo(const QString &path, const QByteArray &profile, int zone, int effect,
                      colorInfoData &info);
    bool updateLightInfo(const QString &path, const QByteArray &profile, int zone, int effect,
                         const colorInfoData &info);
    bool hasLightInfo(const QString &path, const QByteArray &profile, int zone, int effect);
    bool setLightItemOpenOrClose(const QString &path, const QByteArray &profile, int zone,
                                 int effect, int value);

    // --- Zone switches ----------------------------------------------------
    int getLightOpenOrClose(const QString &path, const QByteArray &profile);       // 0 when missing
    bool setLightOpenOrClose(const QString &path, const QByteArray &profile, int value);
    int getLightSynchronizeStatus(const QString &path, const QByteArray &profile); // 0 when missing
    bool setLightSynchronizeStatus(const QString &path, const QByteArray &profile, int value);
    int getLightUsingIndex(const QString &path, const QByteArray &profile, int zone); // 1 when missing
    bool setLightUsingIndex(const QString &path, const QByteArray &profile, int zone, int value);
    int getLightLinkStatus(const QString &path, const QByteArray &profile, int zone); // 0 when missing
    bool setLightLinkStatus(const QString &path, const QByteArray &profile, int zone, int value);

    // --- Colour swatches (items of `customColor`) -----------------------
    bool addCustomColor(const QString &path, const QByteArray &profile, const customColorInfo &info);
    bool getCustomColorList(const QString &path, const QByteArray &profile,
                            QList<customColorInfo> &list);
    bool deleteCustomColor(const QString &path, const QByteArray &profile, const QByteArray &index);

    // --- Custom per-key lighting (`customLed` schemes of `customLight`) --
    bool addCustomLight(const QString &path, const QByteArray &profileIndex,
                        const QByteArray &schemeIndex, const QByteArray &name,
                        const QByteArray &isUsing, int usingFlagIndex);
    bool addCustomLightKey(const QString &path, const QByteArray &profileIndex,
                           const QByteArray &schemeIndex, const customLightKeyInfo &key);
    bool getCustomLightList(const QString &path, const QByteArray &profileIndex,
                            QList<customLightInfo> &list);
    bool getCustomLightKeys(const QString &path, const QByteArray &profileIndex,
                            const QByteArray &schemeIndex, QList<customLightKeyInfo> &list);
    bool setCustomLightName(const QString &path, const QByteArray &profileIndex,
                            const QByteArray &schemeIndex, const QByteArray &name);
    bool setCustomLightUsing(const QString &path, const QByteArray &profileIndex,
                             const QByteArray &schemeIndex, const QByteArray &isUsing,
                             int usingFlagIndex);
    // Index of the first scheme in use (usingFlagIndex 0 or 1); -1 when none.
    int getUsingCustomLightIndex(const QString &path, const QByteArray &profileIndex);
    bool clearCustomLightKeys(const QString &path, const QByteArray &profileIndex,
                              const QByteArray &schemeIndex);
    // The scheme's keys become these, in order, in one load and save; its
    // attributes stay. A failure leaves the file as it was.
    bool replaceCustomLightKeys(const QString &path, const QByteArray &profileIndex,
                                const QByteArray &schemeIndex, const QList<customLightKeyInfo> &keys);
    // From a default custom-light file (root `customLight`).
    bool getDefaultCustomLightKeys(const QString &path, const QByteArray &schemeIndex,
                                   QList<customLightKeyInfo> &list);

    // --- DPI levels (`dpi` and its items) --------------------------------
    bool setDpiUsingIndex(const QString &path, const QByteArray &profile, int index);
    bool saveDpiUsingIndex(const QString &path, const QByteArray &profile, int index); // the same
    int getDpiUsingIndex(const QString &path, const QByteArray &profile); // 1 when missing
    bool addDpiInfo(const QString &path, const QByteArray &profile, const dpiConfigInfo &info);
    bool getDpiList(const QString &path, const QByteArray &profile, QList<dpiConfigInfo> &list);
    // Rewrites the first level whose index reads as level.
    bool updateDpiInfo(const QString &path, const QByteArray &profile, int level,
                       const dpiConfigInfo &info);

    // --- Performance options (`function` and its `Setting`) -------------
    // Replaces the Setting: appends the new one, removes the former first child.
    bool setPerformanceSetting(const QString &path, const QByteArray &profile,
                               const QByteArray &feature1, const QByteArray &feature2,
                               const QByteArray &feature3, const QByteArray &feature4);
    bool getPerformanceSetting(const QString &path, const QByteArray &profile,
                               performanceSettingInfo &info);
    // feature(n+1) for n 0..3 as a number; 0 when missing or n is out of range.
    int getFeature(const QString &path, const QByteArray &profile, int n);
    bool setFeature(const QString &path, const QByteArray &profile, int n, int value);
};
