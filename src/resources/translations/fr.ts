<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Sélectionner la caméra</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>Voulez-vous vraiment éteindre le PC/la station ?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Vous allez passer en mode plein écran. Pour arrêter l&apos;entraînement, il suffit de cliquer ou d&apos;appuyer sur l&apos;écran. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>Votre entraînement est terminé</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>Voulez-vous terminer l&apos;entraînement ?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>Voulez-vous supprimer les vidéos des entraînements sélectionnés ?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>Voulez-vous vraiment réinitialiser le compteur du temps total d&apos;entraînement ?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invité</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>CONNEXION</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>CRÉER UN COMPTE</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>Code PIN incorrect</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Utilisateur ajouté avec succès.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Erreur. Un utilisateur avec ce nom ou ce code PIN existe déjà.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>S&apos;entraîner</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriels</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Version de l&apos;application</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>DÉCONNEXION</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>PARAMÈTRES DU COMPTE</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>ENREGISTRER LA VIDÉO</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>ENREGISTRER LE SON</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>MINUTEUR</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Temps total d&apos;entraînement</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>LIRE</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Sélectionner l&apos;emplacement</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PAR DÉFAUT</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balance des blancs</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Activer le chronomètre</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Activer le minuteur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>Code PIN actuel</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nouveau code PIN</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>Confirmer le code PIN</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>Les codes PIN doivent être identiques !</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>VOLUME</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Sélectionner l&apos;emplacement des enregistrements</translation>
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
        <source>CHECK FOR UPDATES</source>
        <translation>RECHERCHER DES MISES À JOUR</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Impossible de se connecter au serveur de mises à jour Kavrin. Veuillez vérifier que l&apos;appareil est connecté à Internet.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>Impossible d’écrire dans ce dossier. Veuillez en choisir un autre.</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>date : </translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>durée : </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>Exportation : %1 sur %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Exportées : %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Déjà dans le dossier, non copiées : %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>Copie impossible : %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>N’a pas pu être supprimé : %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Choisissez le dossier d’exportation des vidéos</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Veuillez saisir un nom d’utilisateur.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Ce nom ne peut pas être utilisé. Veuillez choisir un nom plus court, sans / ni \, qui ne commence pas par un point.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Instrument gauche</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Instrument droit</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Temps actif</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Temps immobile</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Hors image</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Longueur du trajet</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Vitesse moyenne</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Vitesse maximale</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Économie de mouvement</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Unités de mouvement</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Secousse normalisée</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Part du travail</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Distance entre les pointes</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Entraînement de %1, longueurs en %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>non vu</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Entraînements : %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Durée de l&apos;entraînement</translation>
    </message>
    <message>
        <source>target</source>
        <translation>objectif</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Tous les entraînements</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Entraînement libre</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Courbe d'apprentissage</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Aucune mesure : cet entraînement a été enregistré sans suivi.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>Les mesures de cet entraînement ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Aucun entraînement enregistré pour l&apos;instant. Lancez un entraînement depuis l&apos;écran d&apos;entraînement du menu avec ENREGISTRER LA VIDÉO activé.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>Votre entraînement en chiffres</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1 : tous les objectifs atteints</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1 : objectifs</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Trajet gauche</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Trajet droit</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Temps immobile gauche</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Temps immobile droit</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>objectif %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>atteint</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>non atteint</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>CHOISISSEZ L'ENTRAÎNEMENT :</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>ENTRAÎNEMENT LIBRE</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>CHOISIR L'ENTRAÎNEMENT</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>L'exercice choisi ne peut pas être conservé pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Pas encore entraîné</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · entraînements : %2 · meilleur temps %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Pas encore réussi</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Exercice : %1, objectif %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Exercice : %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>DÉCOMPTE DEPUIS %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>EXERCICE</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>Aucune caméra trouvée. Branchez la caméra USB du simulateur.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>Impossible d’ouvrir la caméra : son service n’est pas installé (sous Debian, le paquet gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>Impossible d’ouvrir la caméra : %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>Le fichier de configuration ne peut pas être lu. L’application fonctionne avec ses valeurs par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>Le fichier de compte %1 ne peut pas être lu. Rien n’est écrit par-dessus.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>Le compte %1 est utilisé par un autre KavrinMac sur %2 (processus %3). Un seul peut l’utiliser à la fois.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>un ordinateur inconnu</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>Le compte n’a pas pu être enregistré ; il garde les réglages qu’il avait avant.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Exercice %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>Ce compte est utilisé sur %1.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>un autre ordinateur</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>CONTRÔLE BANDES</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>FIN DU CONTRÔLE</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Instrument gauche, bande verte : trouvée</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Instrument gauche, bande verte : non trouvée</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Instrument droit, bande magenta : trouvée</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Instrument droit, bande magenta : non trouvée</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>RAPPORT</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Choisissez le dossier des rapports</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>Écriture des rapports : %1 sur %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Rapports écrits : %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Déjà dans le dossier, non écrits : %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Impossible d’écrire : %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Rapport d’entraînement</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Compte : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Trajets des instruments</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Courbe d’apprentissage : %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Aucun entraînement enregistré pour l&apos;instant. Lancez un entraînement depuis l&apos;écran d&apos;entraînement du menu avec ENREGISTRER LA VIDÉO activé.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>TRACES</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>COMPARER</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>C'est votre meilleur entraînement de cet exercice à ce jour : il n'y en a pas de meilleur à lui comparer.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Durée de l'entraînement</translation>
    </message>
</context>
</TS>
