// The model list of VELMORA_SIMULATED_DEVICES: one device per name, and a
// warning that names the unknown models and the known ones.
#include "HidBackend.h"
#include "SimulatedHidBackend.h"

#include <QtTest>

class tst_SimulatedModels : public QObject
{
    Q_OBJECT

private slots:
    void modelList_data();
    void modelList();
    void environmentWarnsOfUnknownModels();
};

void tst_SimulatedModels::modelList_data()
{
    QTest::addColumn<QString>("models");
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("unknown");
    QTest::newRow("every model known") << "Quissaro,Bovelli" << QStringList{"Quissaro", "Bovelli"} << QStringList{};
    QTest::newRow("spaces and empty parts") << " Rosquine ,, Varrowen " << QStringList{"Rosquine", "Varrowen"}
                                            << QStringList{};
    QTest::newRow("a misspelt model") << "Quisaro,Bovelli" << QStringList{"Quisaro", "Bovelli"}
                                      << QStringList{"Quisaro"};
    QTest::newRow("names are case-sensitive, each named once")
        << "quissaro,Nope,Nope" << QStringList{"quissaro", "Nope", "Nope"} << QStringList{"quissaro", "Nope"};
}

void tst_SimulatedModels::modelList()
{
    QFETCH(QString, models);
    QFETCH(QStringList, devices);
    QFETCH(QStringList, unknown);

    QStringList made;
    for (const auto &device : SimulatedHidBackend::fromModelList(models)->devices())
        made.append(device->config().modelName);
    QCOMPARE(made, devices);

    const QString warning = SimulatedHidBackend::unknownModelsWarning(models);
    QCOMPARE(warning.isEmpty(), unknown.isEmpty());
    if (unknown.isEmpty())
        return;
    QVERIFY2(warning.startsWith("VELMORA_SIMULATED_DEVICES: no tile for unknown model"), qPrintable(warning));
    for (const QString &name : unknown)
        QVERIFY2(warning.contains('"' + name + '"'), qPrintable(warning));
    QVERIFY2(warning.endsWith("; known models: Bovelli, Quissaro, Ryzzmond, Rosquine, Rulvarro, Varrowen"),
             qPrintable(warning));
}

void tst_SimulatedModels::environmentWarnsOfUnknownModels()
{
    qputenv(SimulatedHidBackend::kEnvironmentVariable, "Quissaro,Quisaro");
    const QString expected = SimulatedHidBackend::unknownModelsWarning("Quisaro");
    QTest::ignoreMessage(QtWarningMsg, qPrintable(expected));
    QString warning;
    const auto backend = SimulatedHidBackend::installFromEnvironment(&warning);
    HidBackend::install(nullptr);
    QVERIFY(backend);
    QCOMPARE(warning, expected);
    QCOMPARE(backend->devices().size(), 2);
    qunsetenv(SimulatedHidBackend::kEnvironmentVariable);
}

QTEST_GUILESS_MAIN(tst_SimulatedModels)
#include "tst_simulatedmodels.moc"
