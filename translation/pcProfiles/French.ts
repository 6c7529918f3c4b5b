<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>Dossier d'enregistrement</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d'abord choisir un dossier d'enregistrement</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l'exportation du profil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Échec de la suppression du profil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Veuillez d'abord choisir un fichier à importer</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>Ce fichier n'est pas un fichier de profil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l'importation du profil</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profil ajouté</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Échec de l'ajout du profil</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programmes(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Nom du profil ou chemin trop long</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil modifié</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Échec de la modification du profil</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profil actuel réinitialisé</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>La réinitialisation du profil actuel a échoué</translation>
    </message>
</context>
</TS>
