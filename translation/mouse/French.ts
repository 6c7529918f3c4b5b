<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>Sniper</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>Éclairage périphérique</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Cycle DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Suivant (G)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Précédent (G)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Suivant (D)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Précédent (D)</translation>
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
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
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
        <translation>Touche Sniper</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
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
        <translation>Ouvrir l'ordinateur</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l'ordinateur</translation>
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
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>Propriétés de la souris :</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Propriétés de la souris</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>Aucun programme de réglage de la souris n'a été trouvé pour ce bureau.</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>Impossible d'ouvrir les réglages de la souris : %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>Activer X/Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
