<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Seleccionar cámara</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SIGUIENTE</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>¿Seguro que desea apagar el PC/la estación?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Va a entrar en el modo de pantalla completa. Para detener el entrenamiento, basta con hacer clic en la pantalla o tocarla. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>El entrenamiento ha finalizado</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>¿Desea finalizar el entrenamiento?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>¿Desea eliminar los vídeos de los entrenamientos seleccionados?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>¿Seguro que desea restablecer el contador del tiempo total de entrenamiento?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invitado</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>INICIAR SESIÓN</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>CREAR CUENTA</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>PIN incorrecto</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Usuario añadido correctamente.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Error. Ya existe un usuario con este nombre o PIN.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>Entrenar</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriales</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Versión de la aplicación</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>CERRAR SESIÓN</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>AJUSTES DE CUENTA</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>VOLVER</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>GRABAR VÍDEO</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>GRABAR SONIDO</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TEMPORIZADOR</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Tiempo total de entrenamiento</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESTABLECER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>REPRODUCIR</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Seleccionar ubicación</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PREDETERMINADO</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balance de blancos</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTOMÁTICO</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Activar el cronómetro</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Activar el temporizador</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>PIN actual</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nuevo PIN</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>Confirmar PIN</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>¡Los PIN deben coincidir!</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>VOLUMEN</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Seleccionar ubicación de las grabaciones</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>BUSCAR ACTUALIZACIONES</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>No se pudo conectar con el servidor de actualizaciones de Kavrin. Compruebe si el dispositivo está conectado a Internet.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>No se puede escribir en esta carpeta. Elija otra.</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>fecha: </translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>duración: </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>Exportando: %1 de %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Exportados: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Ya en la carpeta, no copiados: %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>No se pudieron copiar: %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>No se ha podido eliminar: %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Elija la carpeta de exportación de vídeos</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Introduzca un nombre de usuario.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Este nombre no se puede usar. Elija un nombre más corto, sin / ni \, que no empiece por un punto.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Instrumento izquierdo</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Instrumento derecho</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Tiempo activo</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Tiempo inactivo</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Fuera de imagen</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Longitud del recorrido</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Velocidad media</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Velocidad máxima</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Economía de movimiento</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Unidades de movimiento</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Sacudida normalizada</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Parte del trabajo</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Distancia entre las puntas</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Entrenamiento de %1, longitudes en %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>no visto</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Entrenamientos: %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Tiempo de entrenamiento</translation>
    </message>
    <message>
        <source>target</source>
        <translation>objetivo</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Todos los entrenamientos</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Entrenamiento libre</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Curva de aprendizaje</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Sin mediciones: este entrenamiento se grabó sin seguimiento.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>No se pueden leer las mediciones de este entrenamiento.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Aún no hay entrenamientos grabados. Inicie un entrenamiento desde la pantalla de entrenamiento del menú con GRABAR VÍDEO activado.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>Su entrenamiento en cifras</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1: todos los objetivos cumplidos</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1: objetivos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Recorrido izquierdo</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Recorrido derecho</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Tiempo inactivo izquierdo</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Tiempo inactivo derecho</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>no medido</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>objetivo %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>cumplido</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>no cumplido</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>ELIJA EL ENTRENAMIENTO:</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>ENTRENAMIENTO LIBRE</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>ELEGIR ENTRENAMIENTO</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>El ejercicio elegido no se puede guardar para el próximo inicio.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Aún sin entrenar</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · entrenamientos: %2 · mejor tiempo %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Superado</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Aún no superado</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Ejercicio: %1, objetivo %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Ejercicio: %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>CUENTA ATRÁS DESDE %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>EJERCICIO</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>No se ha encontrado ninguna cámara. Conecte la cámara USB del simulador.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>No se puede abrir la cámara: su servicio no está instalado (en Debian, el paquete gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>No se puede abrir la cámara: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>No se puede leer el archivo de configuración. La aplicación funciona con sus valores predeterminados y deja el archivo como está.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>No se puede leer el archivo de cuenta %1. No se escribe nada sobre él.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>La cuenta %1 está en uso por otro KavrinMac en %2 (proceso %3). Solo uno puede usarla a la vez.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>un ordenador desconocido</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>No se ha podido guardar la cuenta; conserva los ajustes que tenía antes.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Ejercicio %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>Esta cuenta está en uso en %1.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>otro ordenador</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>PROBAR BANDAS</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>FIN DE PRUEBA</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Instrumento izquierdo, banda verde: encontrada</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Instrumento izquierdo, banda verde: no encontrada</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Instrumento derecho, banda magenta: encontrada</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Instrumento derecho, banda magenta: no encontrada</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>INFORME</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Elija la carpeta de los informes</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>Escribiendo informes: %1 de %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Informes escritos: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Ya en la carpeta, no escritos: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>No se pudo escribir: %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Informe de entrenamiento</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Cuenta: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Trayectorias de los instrumentos</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Curva de aprendizaje: %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Aún no hay entrenamientos grabados. Inicie un entrenamiento desde la pantalla de entrenamiento del menú con GRABAR VÍDEO activado.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>ESTELAS</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>COMPARAR</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>Este es su mejor entrenamiento del ejercicio hasta ahora: no hay otro mejor con el que compararlo.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Tiempo de entrenamiento</translation>
    </message>
</context>
</TS>
