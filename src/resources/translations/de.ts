<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Kamera auswählen</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>Möchten Sie den PC/die Station wirklich herunterfahren?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Sie wechseln in den Vollbildmodus. Um das Training zu beenden, klicken oder tippen Sie einfach auf den Bildschirm. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>Ihr Training ist beendet</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>Möchten Sie das Training beenden?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>Möchten Sie die Videos der ausgewählten Trainings löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>Möchten Sie den Zähler der Gesamttrainingszeit wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ANMELDEN</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>KONTO ERSTELLEN</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>Falsche PIN</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Der Benutzer wurde erfolgreich hinzugefügt.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Fehler. Ein Benutzer mit diesem Namen oder dieser PIN existiert bereits.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>Training starten</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Anleitungen</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>Trainingsverlauf</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Anwendungsversion</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ABMELDEN</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>KONTO BEARBEITEN</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>VIDEO AUFNEHMEN</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>TON AUFNEHMEN</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ZEITMESSUNG</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Gesamttrainingszeit</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ABSPIELEN</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Speicherort auswählen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Stoppuhr aktivieren</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Countdown aktivieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>Aktuelle PIN</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Neue PIN</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>PIN bestätigen</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>Die PINs müssen übereinstimmen!</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>LAUTSTÄRKE</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Speicherort für Aufnahmen auswählen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>NACH UPDATES SUCHEN</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Keine Verbindung zum Kavrin-Updateserver möglich. Bitte prüfen Sie, ob das Gerät mit dem Internet verbunden ist.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>In diesen Ordner kann nicht geschrieben werden. Bitte wählen Sie einen anderen.</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>Dauer: </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>Export: %1 von %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Exportiert: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Bereits im Ordner, nicht kopiert: %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>Konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>Konnte nicht gelöscht werden: %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Ordner für den Videoexport wählen</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Bitte geben Sie einen Benutzernamen ein.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Dieser Name kann nicht verwendet werden. Bitte wählen Sie einen kürzeren Namen ohne / oder \, der nicht mit einem Punkt beginnt.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Linkes Instrument</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Rechtes Instrument</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Aktive Zeit</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Außerhalb des Bildes</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Weglänge</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Mittlere Geschwindigkeit</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Höchstgeschwindigkeit</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Bewegungsökonomie</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Bewegungseinheiten</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Normierter Ruck</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Anteil an der Arbeit</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Abstand der Spitzen</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Training von %1, Längen in %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>nicht gesehen</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Anzahl der Trainings: %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Trainingsdauer</translation>
    </message>
    <message>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Alle Trainings</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Freies Training</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Lernkurve</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Keine Messungen: Dieses Training wurde ohne Verfolgung aufgezeichnet.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>Die Messungen dieses Trainings können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Noch keine aufgezeichneten Trainings. Starten Sie ein Training über den Trainingsbildschirm des Menüs mit eingeschaltetem VIDEO AUFNEHMEN.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>Ihr Training in Zahlen</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1: alle Ziele erreicht</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1: Ziele</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Weglänge links</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Weglänge rechts</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Ruhezeit links</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Ruhezeit rechts</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>erreicht</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>nicht erreicht</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>TRAINING WÄHLEN:</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>FREIES TRAINING</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>TRAINING WÄHLEN</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>Die gewählte Übung kann nicht für den nächsten Start gespeichert werden.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Noch nicht trainiert</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · Trainings: %2 · Bestzeit %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Noch nicht bestanden</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Übung: %1, Ziel %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Übung: %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>COUNTDOWN AB %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>ÜBUNG</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>Keine Kamera gefunden. Schließen Sie die USB-Kamera der Trainingsbox an.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>Die Kamera kann nicht geöffnet werden: Ihr Dienst ist nicht installiert (unter Debian das Paket gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>Die Kamera kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>Die Konfigurationsdatei kann nicht gelesen werden. Die Anwendung läuft mit ihren Voreinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>Die Kontodatei %1 kann nicht gelesen werden. Sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>Das Konto %1 wird von einem anderen KavrinMac auf %2 verwendet (Prozess %3). Es kann jeweils nur eines es verwenden.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>einem unbekannten Computer</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>Das Konto konnte nicht gespeichert werden; es behält seine vorherigen Einstellungen.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Übung %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>Dieses Konto wird auf %1 verwendet.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>einem anderen Computer</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>BÄNDER PRÜFEN</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>PRÜFUNG BEENDEN</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Linkes Instrument, grünes Band: gefunden</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Linkes Instrument, grünes Band: nicht gefunden</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Rechtes Instrument, magentafarbenes Band: gefunden</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Rechtes Instrument, magentafarbenes Band: nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>BERICHT</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Ordner für die Berichte wählen</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>Berichte werden geschrieben: %1 von %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Berichte geschrieben: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Bereits im Ordner, nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Trainingsbericht</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Wege der Instrumente</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Lernkurve: %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Noch keine aufgezeichneten Trainings. Starten Sie ein Training über den Trainingsbildschirm des Menüs mit eingeschaltetem VIDEO AUFNEHMEN.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>SPUREN</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>VERGLEICHEN</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>Dies ist bisher Ihr bestes Training dieser Übung: Es gibt kein besseres zum Vergleichen.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Trainingszeit</translation>
    </message>
</context>
</TS>
