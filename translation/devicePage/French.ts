<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Touche de test</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personnaliser les touches</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Réglages de l'éclairage</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Éclairage latéral</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Groupe de profils </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Lier le profil à un programme</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Chemin de l'application：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nom du clavier</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Mode APP</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Éditeur embarqué</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (inactif)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Définir FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Synchroniser l'éclairage</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Message du journal</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Rétablir les réglages d'usine</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Effet lumineux</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Liste personnalisée</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Réglage DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Veuillez d'abord connecter l'appareil !</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Mode embarqué actif, veuillez d'abord le quitter</translation>
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
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feu d'artifice</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse à la vitesse</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>Le dossier de profil de l'appareil n'a pas pu être créé</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>Le fichier de profil de l'appareil n'a pas pu être lu</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>Le fichier de profil de l'appareil n'a pas pu être lu ; il a été mis de côté et un nouveau a été créé</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>Le fichier de profil de l'appareil n'a pas pu être créé</translation>
    </message>
</context>
</TS>
