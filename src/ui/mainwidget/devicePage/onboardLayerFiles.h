#pragma once

// The operations on a keyboard's two on-board layer files: a configuration's
// default and FN1 layers added or removed together, a layer replaced by a
// built-in layout or cleaned, FN1 keys set, a key emptied. Plain code on the
// store; every operation says whether all its store calls succeeded.

#include <QByteArray>
#include <QString>

class xmlInterface;

class onboardLayerFiles
{
public:
    enum FastLayout { Qwerty = 1, Mac = 2, Dvorak = 3 };
    enum EmptyResult { Emptied, NothingBound, Failed };

    onboardLayerFiles(xmlInterface *store, const QString &defaultFile, const QString &fn1File,
                      const QString &model);

    // Empty for a layer other than 0 (default) and 1 (FN1).
    QString layerFile(int layer) const;
    QString otherLayerFile(int layer) const;

    // The resource file of a model's built-in layout (QWERTY for any other number).
    static QString fastLayoutResource(const QString &model, int layout);

    bool addConfig(int index);
    bool removeConfig(int index);
    // The layer becomes the first configuration of the built-in file; the
    // other layer loses its FN1 keys (but the FN1-model's Fn key). Nothing
    // changes when the built-in layout cannot be read.
    bool applyFastLayout(int layer, int index, int layout);
    // An empty layer with the Fn key seeded. keepFn1Keys: the other layer's
    // FN1 keys are bound in it too; otherwise they are removed there.
    bool cleanLayer(int layer, int index, bool keepFn1Keys);
    // The key holds the FN1 layer in both layers.
    bool setFn1Key(int index, int keyCode, const QString &keyText);
    // Removes the key's binding from the layer; an FN1 key from both.
    EmptyResult emptyKey(int layer, int index, int keyCode);

private:
    bool seedFnKey(const QString &file, const QByteArray &index);
    bool isFn1Key(const QString &file, const QByteArray &index, const QByteArray &keyCode, QByteArray *keyChar = nullptr) const;

    xmlInterface *m_store;
    QString m_defaultFile;
    QString m_fn1File;
    QString m_model;
};
