<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Wybierz kamerę</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>DALEJ</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Kod PIN</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>Czy na pewno wyłączyć komputer/stanowisko?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Nastąpi przejście do trybu pełnoekranowego. Aby zakończyć trening, wystarczy kliknąć ekran lub go dotknąć. Czy kontynuować?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>Trening został zakończony</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>Czy zakończyć trening?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>Czy usunąć nagrania wideo wybranych treningów?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>Czy na pewno wyzerować licznik łącznego czasu treningów?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Ładowanie</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gość</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ZALOGUJ</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>UTWÓRZ KONTO</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>Nieprawidłowy kod PIN</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Użytkownik został pomyślnie dodany.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Błąd. Użytkownik o tej nazwie lub tym kodzie PIN już istnieje.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>Zacznij trening</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Samouczki</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Wersja aplikacji</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>WYLOGUJ</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>USTAWIENIA KONTA</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>WSTECZ</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>NAGRYWAJ WIDEO</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>NAGRYWAJ DŹWIĘK</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>POMIAR CZASU</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Łączny czas treningów</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZERUJ</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>USUŃ</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EKSPORTUJ</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ODTWÓRZ</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Wybierz miejsce zapisu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DOMYŚLNE</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balans bieli</translation>
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
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Włącz stoper</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Włącz odliczanie czasu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>Aktualny kod PIN</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nowy kod PIN</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>Potwierdź kod PIN</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>Kody PIN muszą być takie same!</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>GŁOŚNOŚĆ</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Wybierz miejsce zapisu nagrań</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>SPRAWDŹ AKTUALIZACJE</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Nie można połączyć się z serwerem aktualizacji Kavrin. Proszę sprawdzić, czy urządzenie jest połączone z Internetem.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>Nie można zapisywać w tym folderze. Proszę wybrać inny.</translation>
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
        <translation>czas trwania: </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>Eksport: %1 z %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Wyeksportowano: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Już w folderze, nie skopiowano: %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>Nie udało się skopiować: %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>Nie udało się usunąć: %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Wybierz folder eksportu nagrań</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Proszę wpisać nazwę użytkownika.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Tej nazwy nie można użyć. Proszę wybrać krótszą nazwę bez / i \, która nie zaczyna się od kropki.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Lewe narzędzie</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Prawe narzędzie</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Czas aktywny</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Czas bezczynności</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Poza obrazem</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Długość ścieżki</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Średnia prędkość</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Prędkość szczytowa</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Ekonomia ruchu</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Jednostki ruchu</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Znormalizowany zryw</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Udział w pracy</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Odległość między końcówkami</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Trening trwający %1, długości w %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>niewidoczne</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Treningi: %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Czas treningu</translation>
    </message>
    <message>
        <source>target</source>
        <translation>cel</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Wszystkie treningi</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Trening swobodny</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Pomiary</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Krzywa uczenia się</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Brak pomiarów: ten trening nagrano bez śledzenia.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>Nie można odczytać pomiarów tego treningu.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Brak nagranych treningów. Rozpocznij trening z ekranu treningu w menu z włączonym NAGRYWAJ WIDEO.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>Twój trening w liczbach</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1: wszystkie cele osiągnięte</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1: cele</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Długość ścieżki lewej</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Długość ścieżki prawej</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Bezczynność lewej</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Bezczynność prawej</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nie zmierzono</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>cel %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>osiągnięty</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>nieosiągnięty</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>WYBIERZ TRENING:</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>TRENING SWOBODNY</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>WYBIERZ TRENING</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>Wybranego ćwiczenia nie można zachować do następnego uruchomienia.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Jeszcze nie trenowano</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · treningi: %2 · najlepszy czas %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Zaliczone</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Jeszcze niezaliczone</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Ćwiczenie: %1, cel %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Ćwiczenie: %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>ODLICZAJ OD %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>ĆWICZENIE</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>Nie znaleziono kamery. Proszę podłączyć kamerę USB trenażera.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>Nie można otworzyć kamery: jej usługa nie jest zainstalowana (w systemie Debian pakiet gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>Nie można otworzyć kamery: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>Nie można odczytać pliku konfiguracji. Aplikacja działa z ustawieniami domyślnymi i pozostawia plik bez zmian.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>Nie można odczytać pliku konta %1. Nic nie zostanie w nim nadpisane.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>Konto %1 jest używane przez inny program KavrinMac na komputerze %2 (proces %3). Jednocześnie może go używać tylko jeden.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>nieznanym komputerze</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>Nie udało się zapisać konta; zachowuje ono poprzednie ustawienia.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Ćwiczenie %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>To konto jest używane na %1.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>innym komputerze</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>SPRAWDŹ PASKI</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>ZAKOŃCZ TEST</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Lewy instrument, zielony pasek: znaleziony</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Lewy instrument, zielony pasek: nie znaleziono</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Prawy instrument, purpurowy pasek: znaleziony</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Prawy instrument, purpurowy pasek: nie znaleziono</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>RAPORT</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Wybierz folder na raporty</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>Zapisywanie raportów: %1 z %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Zapisane raporty: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Już w folderze, nie zapisano: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Nie można zapisać: %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Raport z treningu</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Ścieżki narzędzi</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Krzywa uczenia się: %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Brak nagranych treningów. Rozpocznij trening z ekranu treningu w menu z włączonym NAGRYWAJ WIDEO.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>ŚLADY</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>PORÓWNAJ</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>To Twój najlepszy dotąd trening tego ćwiczenia: nie ma lepszego, z którym można go porównać.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Czas treningu</translation>
    </message>
</context>
</TS>
