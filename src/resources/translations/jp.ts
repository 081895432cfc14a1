<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>カメラを選択</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>暗証番号</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>PC/ステーションをシャットダウンしてもよろしいですか？</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>全画面モードに切り替えます。トレーニングを終了するには、画面をクリックまたはタップしてください。続行しますか？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>トレーニングが終了しました</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>トレーニングを終了しますか？</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>選択したトレーニングの動画を削除しますか？</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>累計トレーニング時間のカウンターをリセットしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>ゲスト</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>アカウント作成</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>暗証番号が正しくありません</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>ユーザーを追加しました。</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>エラー：この名前または暗証番号のユーザーが既に存在します。</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>トレーニング開始</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>トレーニング履歴</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>アプリケーションのバージョン</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>アカウント設定</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>累計トレーニング時間</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>保存先を選択</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>ホワイトバランス</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>ストップウォッチを有効にする</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>タイマーを有効にする</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>現在の暗証番号</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>新しい暗証番号</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>暗証番号の確認</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>同じ暗証番号を入力してください！</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>録画の保存先を選択</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>Kavrin 更新サーバーに接続できませんでした。デバイスがインターネットに接続されているか確認してください。</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>このフォルダーには書き込めません。別のフォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>日付：</translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>時間：</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>書き出し中：%1 / %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>書き出し済み：%1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>フォルダーに既にあるためコピーせず：%1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>コピーできませんでした：%1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>削除できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>動画の書き出し先フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>ユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>この名前は使用できません。/ や \ を含まず、ピリオドで始まらない短い名前を選択してください。</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>左の器具</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>右の器具</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>動作時間</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>静止時間</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>画面外</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>移動距離</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>平均速度</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>最高速度</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>動作の経済性</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>動作単位数</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>正規化躍度</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>作業の割合</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>先端間の距離</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>トレーニング %1、長さの単位 %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>検出なし</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>トレーニング数：%1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>トレーニング時間</translation>
    </message>
    <message>
        <source>target</source>
        <translation>目標</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>すべてのトレーニング</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>フリートレーニング</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>測定結果</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>学習曲線</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>測定結果なし：このトレーニングは追跡なしで録画されました。</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>このトレーニングの測定結果を読み込めません。</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>録画されたトレーニングはまだありません。メニューのトレーニング画面から「録画」をオンにしてトレーニングを開始してください。</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>トレーニングの数値</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1：すべての目標を達成</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1：目標</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>左の経路長</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>右の経路長</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>左の静止時間</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>右の静止時間</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未計測</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>目標 %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>達成</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>未達成</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>トレーニングを選択：</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>自由トレーニング</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>トレーニングを選択</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>選択した課題を次回の起動まで保存できません。</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>まだトレーニングなし</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · トレーニング回数：%2 · ベストタイム %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>未合格</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>課題：%1、目標 %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>課題：%1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>%1 からカウントダウン</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>課題</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>カメラが見つかりません。トレーニングボックスの USB カメラを接続してください。</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>カメラを開けません：カメラのサービスがインストールされていません（Debian ではパッケージ gstreamer1.0-plugins-bad）。</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>カメラを開けません：%1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>設定ファイルを読み込めません。アプリケーションは既定の設定で動作し、ファイルには手を加えません。</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>アカウントファイル %1 を読み込めません。上書きはしません。</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>アカウント %1 は %2 上の別の KavrinMac が使用中です（プロセス %3）。同時に使用できるのは一つだけです。</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>不明なコンピューター</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>アカウントを保存できませんでした。以前の設定のままです。</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>課題 %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>このアカウントは %1 で使用中です。</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>別のコンピューター</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>バンド確認</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>確認終了</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>左の器具、緑のバンド：検出</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>左の器具、緑のバンド：未検出</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>右の器具、マゼンタのバンド：検出</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>右の器具、マゼンタのバンド：未検出</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>レポートの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>レポートを書き込み中：%1 / %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>書き込み済みレポート：%1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>フォルダーに既にあるため未書き込み：%1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>書き込めませんでした：%1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>トレーニングレポート</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>アカウント：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日付：%1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>器具の軌跡</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>学習曲線：%1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>録画されたトレーニングはまだありません。メニューのトレーニング画面から「録画」をオンにしてトレーニングを開始してください。</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>軌跡</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>これはこの課題でこれまでで最高のトレーニングです。比較できるより良いトレーニングはありません。</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>トレーニング時間</translation>
    </message>
</context>
</TS>
