<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Выберите камеру</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>Вы уверены, что хотите выключить компьютер/станцию?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Вы переходите в полноэкранный режим. Чтобы остановить тренировку, просто щёлкните по экрану или коснитесь его. Продолжить?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>Тренировка завершена</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>Завершить тренировку?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>Удалить видео выбранных тренировок?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>Вы уверены, что хотите сбросить счётчик общего времени тренировок?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Гость</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ВОЙТИ</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>СОЗДАТЬ АККАУНТ</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>Неверный PIN-код</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Пользователь успешно добавлен.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Ошибка. Пользователь с таким именем или PIN-кодом уже существует.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>Тренировка</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Уроки</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Версия приложения</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ВЫЙТИ</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>НАСТРОЙКИ АККАУНТА</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>ЗАПИСЬ ВИДЕО</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>ЗАПИСЬ ЗВУКА</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ТАЙМЕР</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Общее время тренировок</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>СБРОСИТЬ</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ЭКСПОРТИРОВАТЬ</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ВОСПРОИЗВЕСТИ</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Выберите место сохранения</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контрастность</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Баланс белого</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>АВТО</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Включить секундомер</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Включить таймер</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>Текущий PIN-код</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Новый PIN-код</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>Подтвердите PIN-код</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>PIN-коды должны совпадать!</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>ГРОМКОСТЬ</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Выберите место сохранения записей</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>ПРОВЕРИТЬ ОБНОВЛЕНИЯ</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Не удалось подключиться к серверу обновлений Kavrin. Проверьте, подключено ли устройство к Интернету.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>Запись в эту папку невозможна. Выберите другую папку.</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>дата: </translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>длительность: </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>Экспорт: %1 из %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Экспортировано: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Уже есть в папке, не скопировано: %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>Не удалось скопировать: %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>Не удалось удалить: %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Выберите папку для экспорта видео</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Введите имя пользователя.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Это имя нельзя использовать. Выберите более короткое имя без / и \, не начинающееся с точки.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Левый инструмент</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Правый инструмент</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Активное время</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Время покоя</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Вне кадра</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Длина пути</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Средняя скорость</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Пиковая скорость</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Экономичность движений</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Единицы движения</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Нормированный рывок</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Доля работы</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Расстояние между кончиками</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Тренировка %1, длины в %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>не обнаружен</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Тренировок: %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Время тренировки</translation>
    </message>
    <message>
        <source>target</source>
        <translation>цель</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Все тренировки</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Свободная тренировка</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Кривая обучения</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Нет измерений: эта тренировка записана без отслеживания.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>Не удаётся прочитать измерения этой тренировки.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Записанных тренировок пока нет. Начните тренировку с экрана тренировки в меню с включённой ЗАПИСЬЮ ВИДЕО.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>Ваша тренировка в цифрах</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1: все цели достигнуты</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1: цели</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Длина пути левого</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Длина пути правого</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Простой левого</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Простой правого</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>не измерено</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>цель %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>достигнута</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>не достигнута</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>ВЫБЕРИТЕ ТРЕНИРОВКУ:</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>СВОБОДНАЯ ТРЕНИРОВКА</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>ВЫБРАТЬ ТРЕНИРОВКУ</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>Выбранное упражнение не удаётся сохранить до следующего запуска.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Ещё не тренировались</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · тренировок: %2 · лучшее время %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Пройдено</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Ещё не пройдено</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Упражнение: %1, цель %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Упражнение: %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>ОТСЧЁТ ОТ %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>УПРАЖНЕНИЕ</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>Камера не найдена. Подключите USB-камеру тренажёра.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>Не удаётся открыть камеру: её служба не установлена (в Debian — пакет gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>Не удаётся открыть камеру: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>Не удаётся прочитать файл конфигурации. Приложение работает с настройками по умолчанию и не изменяет файл.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>Не удаётся прочитать файл учётной записи %1. Он не будет перезаписан.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>Учётная запись %1 используется другим экземпляром KavrinMac на %2 (процесс %3). Одновременно её может использовать только один.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>неизвестном компьютере</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>Не удалось сохранить учётную запись; она сохраняет прежние настройки.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Упражнение %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>Эта учётная запись используется на %1.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>другом компьютере</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>ПРОВЕРКА МЕТОК</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>ЗАВЕРШИТЬ</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Левый инструмент, зелёная метка: найдена</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Левый инструмент, зелёная метка: не найдена</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Правый инструмент, пурпурная метка: найдена</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Правый инструмент, пурпурная метка: не найдена</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>ОТЧЁТ</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Выберите папку для отчётов</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>Запись отчётов: %1 из %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Записано отчётов: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Уже в папке, не записаны: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Не удалось записать: %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Отчёт о тренировке</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Учётная запись: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Дата: %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Траектории инструментов</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Кривая обучения: %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Записанных тренировок пока нет. Начните тренировку с экрана тренировки в меню с включённой ЗАПИСЬЮ ВИДЕО.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>СЛЕДЫ</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>СРАВНИТЬ</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>Это ваша лучшая тренировка этого упражнения: лучшей для сравнения пока нет.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Время тренировки</translation>
    </message>
</context>
</TS>
