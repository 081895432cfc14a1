<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Selezionare la telecamera</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>AVANTI</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>Vuole davvero spegnere il PC/la postazione?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Sta per passare alla modalità a schermo intero. Per interrompere l&apos;allenamento, basta fare clic sullo schermo o toccarlo. Vuole continuare?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>L&apos;allenamento è terminato</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>Vuole terminare l&apos;allenamento?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>Vuole eliminare i video degli allenamenti selezionati?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>Vuole davvero azzerare il contatore del tempo totale di allenamento?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospite</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ACCEDI</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>CREA ACCOUNT</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>PIN errato</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Utente aggiunto correttamente.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Errore. Esiste già un utente con questo nome o PIN.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Versione dell&apos;applicazione</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>IMPOSTAZIONI ACCOUNT</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>INDIETRO</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>REGISTRA VIDEO</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>REGISTRA AUDIO</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TIMER</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Tempo totale di allenamento</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>AZZERA</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINA</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ESPORTA</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>RIPRODUCI</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Selezionare il percorso</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PREDEFINITO</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Bilanciamento del bianco</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Attivare il cronometro</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Attivare il timer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>PIN attuale</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nuovo PIN</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>Conferma PIN</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>I PIN devono coincidere!</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>VOLUME</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Selezionare il percorso delle registrazioni</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>CERCA AGGIORNAMENTI</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Impossibile connettersi al server di aggiornamento Kavrin. Verificare che il dispositivo sia connesso a Internet.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>Impossibile scrivere in questa cartella. Sceglierne un’altra.</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>data: </translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>durata: </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>Esportazione: %1 di %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Esportati: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Già nella cartella, non copiati: %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>Impossibile copiare: %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>Impossibile eliminare: %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Scegli la cartella di esportazione dei video</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Inserire un nome utente.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Questo nome non può essere usato. Sceglierne uno più breve, senza / né \, che non inizi con un punto.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Strumento sinistro</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Strumento destro</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Tempo attivo</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Tempo fermo</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Fuori immagine</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Lunghezza del percorso</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Velocità media</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Velocità massima</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Economia del movimento</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Unità di movimento</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Jerk normalizzato</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Quota del lavoro</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Distanza tra le punte</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Allenamento di %1, lunghezze in %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>non visto</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Allenamenti: %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Durata dell&apos;allenamento</translation>
    </message>
    <message>
        <source>target</source>
        <translation>obiettivo</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Tutti gli allenamenti</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Allenamento libero</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Curva di apprendimento</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Nessuna misura: questo allenamento è stato registrato senza tracciamento.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>Impossibile leggere le misure di questo allenamento.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Ancora nessun allenamento registrato. Avvia un allenamento dalla schermata di allenamento del menu con REGISTRA VIDEO attivo.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>Il tuo allenamento in cifre</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1: tutti gli obiettivi raggiunti</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1: obiettivi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Percorso sinistro</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Percorso destro</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Tempo fermo sinistro</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Tempo fermo destro</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non misurato</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>obiettivo %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>raggiunto</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>non raggiunto</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>SCEGLI L'ALLENAMENTO:</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>ALLENAMENTO LIBERO</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>SCEGLI ALLENAMENTO</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>L'esercizio scelto non può essere conservato per il prossimo avvio.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Non ancora allenato</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · allenamenti: %2 · tempo migliore %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Non ancora superato</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Esercizio: %1, obiettivo %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Esercizio: %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>CONTO ALLA ROVESCIA DA %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>ESERCIZIO</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>Nessuna telecamera trovata. Collegare la telecamera USB del simulatore.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>Impossibile aprire la telecamera: il suo servizio non è installato (su Debian, il pacchetto gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>Impossibile aprire la telecamera: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>Impossibile leggere il file di configurazione. L’applicazione funziona con le impostazioni predefinite e lascia il file com’è.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>Impossibile leggere il file dell’account %1. Non viene sovrascritto.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>L’account %1 è in uso da un altro KavrinMac su %2 (processo %3). Può usarlo uno solo alla volta.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>un computer sconosciuto</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>Impossibile salvare l’account; mantiene le impostazioni che aveva prima.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Esercizio %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>Questo account è in uso su %1.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>un altro computer</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>VERIFICA BANDE</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>FINE VERIFICA</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Strumento sinistro, banda verde: trovata</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Strumento sinistro, banda verde: non trovata</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Strumento destro, banda magenta: trovata</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Strumento destro, banda magenta: non trovata</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>RAPPORTO</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Scegli la cartella dei rapporti</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>Scrittura dei rapporti: %1 di %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Rapporti scritti: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Già nella cartella, non scritti: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Impossibile scrivere: %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Rapporto di allenamento</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Utente: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Percorsi degli strumenti</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Curva di apprendimento: %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Ancora nessun allenamento registrato. Avvia un allenamento dalla schermata di allenamento del menu con REGISTRA VIDEO attivo.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>SCIE</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>CONFRONTA</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>Questo è finora il suo miglior allenamento dell'esercizio: non ce n'è uno migliore con cui confrontarlo.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Tempo di allenamento</translation>
    </message>
</context>
</TS>
