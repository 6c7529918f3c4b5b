<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>Veuillez d'abord choisir une touche !</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>L'opération a échoué</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>La macro est trop longue pour la souris (50 événements au plus)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profil actuel réinitialisé</translation>
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
        <source>Reset the current profile failed</source>
        <translation>La réinitialisation du profil actuel a échoué</translation>
    </message>
</context>
</TS>
