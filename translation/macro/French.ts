<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Lié :</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Assignée</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Groupe de macros </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Réglage du délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Délai enregistré</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Insérer dans la macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer l&apos;événement après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer l&apos;événement avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Veuillez saisir une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Veuillez saisir le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>La capture du clavier et de la souris nécessite une session X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrement de la macro démarré</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Enregistrement de la macro arrêté</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Veuillez d&apos;abord choisir un emplacement</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Le nombre maximal d&apos;événements est atteint</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Échec de l&apos;insertion</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertion réussie</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Échec de la modification</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modification réussie</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Échec de l&apos;ajout de la macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Échec de la suppression de la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Veuillez d&apos;abord choisir une macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Échec du vidage de la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro vidée</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>Ce n&apos;est pas un fichier de macro</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>Le fichier de macro contient des événements non valides</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Échec de l&apos;importation de la macro</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d&apos;abord choisir un dossier</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Échec de l&apos;exportation de la macro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro renommée</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Échec du renommage de la macro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
</TS>
