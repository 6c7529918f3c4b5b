<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Réaffecter à la touche ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <source>Mouse Left</source>
        <translation>Bouton gauche de la souris</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central de la souris</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit de la souris</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Bouton latéral de la souris - Suivant</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Bouton latéral de la souris - Précédent</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Ouvrir le poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <source>Macro:</source>
        <translation>Macro :</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>Aucune fonction personnalisée ajoutée</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Ouvrir le poste de travail</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Saisir les touches ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Désactiver la touche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Choisir l&apos;application</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Chemin de l&apos;application：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Application(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisir le texte ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Type de lecture</translation>
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
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Touche souris</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche de la souris</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central de la souris</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit de la souris</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Bouton latéral de la souris - Précédent</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Bouton latéral de la souris - Suivant</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
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
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
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
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>Aucun profil n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>Le fichier de profil %1 est introuvable.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>Le profil %1 est absent ou illisible dans %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>La touche n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Trop long pour être enregistré : %1 octets au plus.</translation>
    </message>
</context>
</TS>
