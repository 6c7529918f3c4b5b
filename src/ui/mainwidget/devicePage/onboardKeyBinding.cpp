#include "onboardKeyBinding.h"

#include "FixedText.h"
#include "hidBindingCodes.h"
#include "xmlInterface.h"

#include <cstring>

customKeyInfo readOnboardBinding(xmlInterface *store, const QString &file, const QByteArray &config,
                                 const QByteArray &keyCode)
{
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.keyCode, "-1");
    if (store)
        store->getKeyInfo(file, config, keyCode, info);
    return info;
}

customKeyInfo readOnboardBinding(xmlInterface *store, const QString &file, int config, int keyCode)
{
    return readOnboardBinding(store, file, QByteArray::number(config), QByteArray::number(keyCode));
}

bool isFn1Binding(const customKeyInfo &info)
{
    return hidBindingNumber(info.keyCode, sizeof info.keyCode) != -1
           && hidBindingNumber(info.operateType, sizeof info.operateType) == kBindingKey
           && hidBindingNumber(info.Value, sizeof info.Value) == kBindingValueFn1;
}
