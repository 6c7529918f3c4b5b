<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>L'appareil ne prend pas en charge le mode embarqué</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>Impossible de créer les fichiers de configuration embarquée</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configuration rapide réussie</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Échec de la configuration rapide</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Nouvelle configuration créée</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Échec de la création de la configuration</translation>
    </message>
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
        <translation>Exportation réussie</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l'exportation</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de configuration(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Veuillez d'abord choisir un fichier à importer</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>Ce fichier n'est pas une configuration embarquée</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Importation réussie</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l'importation</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Au moins une configuration doit être conservée</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configuration supprimée</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Le nom de la configuration ne peut pas être vide</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Ce nom de configuration existe déjà</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nom de la configuration modifié</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Échec de la modification du nom</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Conserver le réglage de la touche FN ?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Conserver le réglage de la touche FN1 ?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Conseil</translation>
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
        <source>Clean layer successful</source>
        <translation>Couche effacée</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Échec de l'effacement de la couche</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Touche vidée</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Échec du vidage de la touche</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Veuillez d'abord choisir une touche !</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Touche FN définie</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Échec de la définition de la touche FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Touche FN1 définie</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Échec de la définition de la touche FN1</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Rétablir les réglages d'usine ?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Réglages d'usine rétablis</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Échec du rétablissement des réglages d'usine</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Écriture en cours</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Téléchargement embarqué [Échec]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Écriture terminée</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuration téléchargée</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec du téléchargement, veuillez réessayer</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue marche/arrêt</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défilement haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défilement bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Trop de macros (10 au maximum)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Macro trop longue : %1</translation>
    </message>
</context>
</TS>
