#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The macro page's two key maps, filled once from a full-size key layout:
// Windows virtual-key code to the key's caption and to its device key code.
// The layout gives Enter the code 999 and the keypad's Enter 998, which the
// hooks' code 13 is turned into.
class macroKeyMaps
{
public:
    static constexpr int EnterVk = 999;
    static constexpr int KeypadEnterVk = 998;

    // The layout the page reads, straight from the resource tree.
    static const char *const LayoutResource;

    bool isLoaded() const { return !m_codes.isEmpty(); }
    // Reads the resource layout unless the maps are filled already.
    void load(const QString &resourcePath = QString::fromLatin1(LayoutResource));
    // Fills the maps from a layout text: the six grid rows only, Fn skipped,
    // a later key of the same virtual-key code replacing an earlier one.
    // False, with the maps left empty, when the text is not a layout.
    bool parse(const QByteArray &layoutText);

    // The empty caption and -1 for a key the layout lacks.
    QString caption(int vk) const { return m_names.value(vk); }
    int deviceCode(int vk) const { return m_codes.value(vk, -1); }

    // The hook's Enter (13) by its extended flag: 998 for the keypad's,
    // 999 for the main one; every other key unchanged.
    static int routedVk(int vk, int flags);

private:
    QMap<int, QString> m_names;
    QMap<int, int> m_codes;
};
