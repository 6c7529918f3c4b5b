#include "macroKeyMaps.h"

#include "KeyLayoutFile.h"
#include "WindowsInputCodes.h"

#include <QDebug>
#include <QFile>

const char *const macroKeyMaps::LayoutResource = ":/images/configDir/KeyInfo_FullSizeUS.config";

namespace {
constexpr int kFnKey = -10;
}

void macroKeyMaps::load(const QString &resourcePath)
{
    if (isLoaded())
        return;
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return;
    }
    if (parse(file.readAll()))
        qDebug() << "----------------------- *** Load Over *** ------------------------";
}

bool macroKeyMaps::parse(const QByteArray &layoutText)
{
    m_names.clear();
    m_codes.clear();
    KeyLayoutFile layout;
    if (!layout.parse(layoutText))
        return false;
    for (int row = 0; row < KeyLayoutFile::RowCount; ++row) {
        for (int column = 0; column < KeyLayoutFile::ColumnCount; ++column) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(row, column);
            if (cell.dec == kFnKey)
                continue;
            // The caption as written, only the apostrophe key renamed: the
            // Korean keys keep their own captions here.
            m_names.insert(cell.qtDec, KeyLayoutFile::caption(cell.rawCaption, cell.dec, false));
            m_codes.insert(cell.qtDec, cell.dec);
        }
    }
    return true;
}

int macroKeyMaps::routedVk(int vk, int flags)
{
    if (vk != WinInput::VkReturn)
        return vk;
    return (flags & WinInput::FlagExtended) ? KeypadEnterVk : EnterVk;
}
