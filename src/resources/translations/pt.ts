<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>Selecionar câmara</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SEGUINTE</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>Tem a certeza de que pretende encerrar o PC/a estação?</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>Vai entrar no modo de ecrã inteiro. Para parar o treino, basta clicar ou tocar no ecrã. Pretende continuar?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>O seu treino terminou</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>Pretende terminar o treino?</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>Pretende eliminar os vídeos dos treinos selecionados?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>Tem a certeza de que pretende repor o contador do tempo total de treino?</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Convidado</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>INICIAR SESSÃO</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>CRIAR CONTA</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>PIN incorreto</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>Utilizador adicionado com êxito.</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>Erro. Já existe um utilizador com este nome ou PIN.</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>Iniciar treino</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriais</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>Versão da aplicação</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>TERMINAR SESSÃO</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>DEFINIÇÕES DA CONTA</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>VOLTAR</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>GRAVAR VÍDEO</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>GRAVAR SOM</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TEMPORIZADOR</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>Tempo total de treino</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>REPOR</translation>
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
        <translation>REPRODUZIR</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>Selecionar localização</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PREDEFINIDO</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Equilíbrio de brancos</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTOMÁTICO</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>Ativar o cronómetro</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>Ativar o temporizador</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>PIN atual</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Novo PIN</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>Confirmar PIN</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>Os PIN têm de ser iguais!</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>VOLUME</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>Selecionar localização das gravações</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>PROCURAR ATUALIZAÇÕES</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Não foi possível ligar ao servidor de atualizações Kavrin. Verifique se o dispositivo está ligado à Internet.</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>Não é possível gravar nesta pasta. Escolha outra.</translation>
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
        <translation>duração: </translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>A exportar: %1 de %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Exportados: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>Já existentes na pasta, não copiados: %1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>Não foi possível copiar: %1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>Não foi possível eliminar: %1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>Escolha a pasta de exportação dos vídeos</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>Introduza um nome de utilizador.</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>Este nome não pode ser utilizado. Escolha um nome mais curto, sem / nem \, que não comece por um ponto.</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>Instrumento esquerdo</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>Instrumento direito</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>Tempo ativo</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Tempo parado</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>Fora da imagem</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Comprimento do percurso</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>Velocidade média</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Velocidade máxima</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>Economia de movimento</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>Unidades de movimento</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>Sobreaceleração normalizada</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>Parte do trabalho</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>Distância entre as pontas</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>Treino de %1, comprimentos em %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>não visto</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>Treinos: %1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>Tempo de treino</translation>
    </message>
    <message>
        <source>target</source>
        <translation>meta</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>Todos os treinos</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>Treino livre</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>Medições</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>Curva de aprendizagem</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>Sem medições: este treino foi gravado sem seguimento.</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>Não é possível ler as medições deste treino.</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Ainda não há treinos gravados. Inicie um treino a partir do ecrã de treino do menu com GRAVAR VÍDEO ligado.</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>O seu treino em números</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1: todas as metas atingidas</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1: metas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>Percurso esquerdo</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>Percurso direito</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>Tempo parado esquerdo</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>Tempo parado direito</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>não medido</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>meta %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>atingida</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>não atingida</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>ESCOLHA O TREINO:</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>TREINO LIVRE</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>ESCOLHER TREINO</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>O exercício escolhido não pode ser guardado para o próximo início.</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>Ainda não treinado</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · treinos: %2 · melhor tempo %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Aprovado</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>Ainda não aprovado</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>Exercício: %1, meta %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Exercício: %1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>CONTAGEM A PARTIR DE %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>EXERCÍCIO</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>Nenhuma câmara encontrada. Ligue a câmara USB do simulador.</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>Não é possível abrir a câmara: o seu serviço não está instalado (no Debian, o pacote gstreamer1.0-plugins-bad).</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>Não é possível abrir a câmara: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>Não é possível ler o ficheiro de configuração. A aplicação funciona com as predefinições e deixa o ficheiro como está.</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>Não é possível ler o ficheiro de conta %1. Nada é escrito por cima dele.</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>A conta %1 está a ser usada por outro KavrinMac em %2 (processo %3). Só um pode usá-la de cada vez.</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>um computador desconhecido</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>Não foi possível guardar a conta; mantém as definições que tinha antes.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Exercício %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>Esta conta está em uso em %1.</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>outro computador</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>TESTAR FAIXAS</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>FIM DO TESTE</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>Instrumento esquerdo, faixa verde: encontrada</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>Instrumento esquerdo, faixa verde: não encontrada</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>Instrumento direito, faixa magenta: encontrada</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>Instrumento direito, faixa magenta: não encontrada</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>RELATÓRIO</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>Escolha a pasta dos relatórios</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>A escrever relatórios: %1 de %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>Relatórios escritos: %1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>Já na pasta, não escritos: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Não foi possível escrever: %1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>Relatório de treino</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Conta: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>Trajetórias dos instrumentos</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>Curva de aprendizagem: %1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>Ainda não há treinos gravados. Inicie um treino a partir do ecrã de treino do menu com GRAVAR VÍDEO ligado.</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>RASTOS</translation>
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
        <translation>Este é o seu melhor treino deste exercício até agora: não há nenhum melhor com que o comparar.</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>Tempo de treino</translation>
    </message>
</context>
</TS>
