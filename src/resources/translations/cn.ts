<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Select camera</source>
        <translation>选择摄像头</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN码</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down PC/station?</source>
        <translation>确定要关闭计算机/工作站吗？</translation>
    </message>
    <message>
        <source>You are entering Full-Screen mode. To stop the training, just click or tap the screen. Would you like to continue?</source>
        <translation>即将进入全屏模式。如需停止训练，点击或轻触屏幕即可。是否继续？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Your training is finished</source>
        <translation>训练已结束</translation>
    </message>
    <message>
        <source>Do you want to finish the training?</source>
        <translation>是否结束训练？</translation>
    </message>
    <message>
        <source>Do you want to delete video of selected trainings?</source>
        <translation>是否删除所选训练的视频？</translation>
    </message>
    <message>
        <source>Are you sure you want to reset total training time counter?</source>
        <translation>确定要重置总训练时长计数器吗？</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>访客</translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation>创建账户</translation>
    </message>
    <message>
        <source>Incorrect PIN</source>
        <translation>PIN码错误</translation>
    </message>
    <message>
        <source>User added successfully.</source>
        <translation>用户添加成功。</translation>
    </message>
    <message>
        <source>Error. User with this name or PIN already exists.</source>
        <translation>错误：已存在使用该名称或PIN码的用户。</translation>
    </message>
    <message>
        <source>Start training</source>
        <translation>开始训练</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>Training history</source>
        <translation>训练记录</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Application version</source>
        <translation>应用程序版本</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation>账户设置</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation>录制视频</translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation>录制声音</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Total training time</source>
        <translation>总训练时长</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Select location</source>
        <translation>选择保存位置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Activate the stopwatch</source>
        <translation>启用秒表</translation>
    </message>
    <message>
        <source>Activate the timer</source>
        <translation>启用倒计时</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Current PIN</source>
        <translation>当前PIN码</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>新PIN码</translation>
    </message>
    <message>
        <source>Confirm PIN</source>
        <translation>确认PIN码</translation>
    </message>
    <message>
        <source>PINs must be the same!</source>
        <translation>两次输入的PIN码必须一致！</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Select recording location</source>
        <translation>选择录制文件的保存位置</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Could not connect to Kavrin Update Server. Please check if device is connected to the Internet</source>
        <translation>无法连接到 Kavrin 更新服务器。请检查设备是否已连接到互联网。</translation>
    </message>
</context>
<context>
    <name>WriteLocationDialog</name>
    <message>
        <source>This folder cannot be written. Please choose another one.</source>
        <translation>无法写入此文件夹。请选择其他文件夹。</translation>
    </message>
</context>
<context>
    <name>SimpleListItem</name>
    <message>
        <source>date: </source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>duration: </source>
        <translation>时长：</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Exporting: %1 of %2</source>
        <translation>正在导出：%1 / %2</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>已导出：%1</translation>
    </message>
    <message>
        <source>Already in the folder, not copied: %1</source>
        <translation>文件夹中已存在，未复制：%1</translation>
    </message>
    <message>
        <source>Could not be copied: %1</source>
        <translation>无法复制：%1</translation>
    </message>
    <message>
        <source>Could not be deleted: %1</source>
        <translation>无法删除：%1</translation>
    </message>
</context>
<context>
    <name>ResultsListForm</name>
    <message>
        <source>Choose video export directory</source>
        <translation>选择视频导出文件夹</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>Please enter a user name.</source>
        <translation>请输入用户名。</translation>
    </message>
    <message>
        <source>This name cannot be used. Please choose a shorter name without / or \ that does not start with a dot.</source>
        <translation>无法使用此名称。请选择一个更短的名称，不含 / 或 \，且不以点开头。</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>Left instrument</source>
        <translation>左侧器械</translation>
    </message>
    <message>
        <source>Right instrument</source>
        <translation>右侧器械</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>活动时间</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>静止时间</translation>
    </message>
    <message>
        <source>Off screen</source>
        <translation>画面外</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>路径长度</translation>
    </message>
    <message>
        <source>Mean speed</source>
        <translation>平均速度</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>峰值速度</translation>
    </message>
    <message>
        <source>Economy of motion</source>
        <translation>运动经济性</translation>
    </message>
    <message>
        <source>Movement units</source>
        <translation>运动单元</translation>
    </message>
    <message>
        <source>Normalised jerk</source>
        <translation>归一化急动度</translation>
    </message>
    <message>
        <source>Share of the work</source>
        <translation>工作占比</translation>
    </message>
    <message>
        <source>Distance between the tips</source>
        <translation>器械尖端间距</translation>
    </message>
    <message>
        <source>Training of %1, lengths in %2</source>
        <translation>训练时长 %1，长度单位 %2</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>未检测到</translation>
    </message>
</context>
<context>
    <name>LearningCurve</name>
    <message>
        <source>Trainings: %1</source>
        <translation>训练次数：%1</translation>
    </message>
    <message>
        <source>Training time</source>
        <translation>训练时长</translation>
    </message>
    <message>
        <source>target</source>
        <translation>目标</translation>
    </message>
</context>
<context>
    <name>ExerciseFilter</name>
    <message>
        <source>All trainings</source>
        <translation>全部训练</translation>
    </message>
    <message>
        <source>Free training</source>
        <translation>自由训练</translation>
    </message>
</context>
<context>
    <name>MeasurementsPanel</name>
    <message>
        <source>Measurements</source>
        <translation>测量结果</translation>
    </message>
    <message>
        <source>Learning curve</source>
        <translation>学习曲线</translation>
    </message>
    <message>
        <source>No measurements: this training was recorded without tracking.</source>
        <translation>无测量结果：此训练录制时未启用跟踪。</translation>
    </message>
    <message>
        <source>The measurements of this training cannot be read.</source>
        <translation>无法读取此训练的测量结果。</translation>
    </message>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>还没有录制的训练。请从菜单的训练界面开始训练，并打开“录制视频”。</translation>
    </message>
</context>
<context>
    <name>TrainingResultsDialog</name>
    <message>
        <source>Your training in figures</source>
        <translation>您的训练数据</translation>
    </message>
</context>
<context>
    <name>TargetsTable</name>
    <message>
        <source>%1: every target met</source>
        <translation>%1：全部目标达成</translation>
    </message>
    <message>
        <source>%1: targets</source>
        <translation>%1：目标</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Left path length</source>
        <translation>左侧路径长度</translation>
    </message>
    <message>
        <source>Right path length</source>
        <translation>右侧路径长度</translation>
    </message>
    <message>
        <source>Left idle time</source>
        <translation>左侧空闲时间</translation>
    </message>
    <message>
        <source>Right idle time</source>
        <translation>右侧空闲时间</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未测量</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>目标 %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>达成</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>未达成</translation>
    </message>
</context>
<context>
    <name>ChooseTrainingForm</name>
    <message>
        <source>CHOOSE TRAINING:</source>
        <translation>选择训练：</translation>
    </message>
    <message>
        <source>FREE TRAINING</source>
        <translation>自由训练</translation>
    </message>
    <message>
        <source>CHOOSE TRAINING</source>
        <translation>选择训练</translation>
    </message>
    <message>
        <source>The exercise chosen cannot be kept for the next start.</source>
        <translation>所选练习无法保存到下次启动。</translation>
    </message>
    <message>
        <source>Not trained yet</source>
        <translation>尚未训练</translation>
    </message>
    <message>
        <source>%1 · trainings: %2 · best time %3</source>
        <translation>%1 · 训练次数：%2 · 最佳时间 %3</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>已通过</translation>
    </message>
    <message>
        <source>Not passed yet</source>
        <translation>尚未通过</translation>
    </message>
</context>
<context>
    <name>ExerciseBar</name>
    <message>
        <source>Exercise: %1, target %2</source>
        <translation>练习：%1，目标 %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>练习：%1</translation>
    </message>
    <message>
        <source>COUNT DOWN FROM %1</source>
        <translation>从 %1 倒计时</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>EXERCISE</source>
        <translation>练习</translation>
    </message>
</context>
<context>
    <name>CameraChoice</name>
    <message>
        <source>No camera found. Connect the USB camera of the training box.</source>
        <translation>未找到摄像头。请连接训练箱的 USB 摄像头。</translation>
    </message>
    <message>
        <source>The camera cannot be opened: its service is not installed (on Debian, the package gstreamer1.0-plugins-bad).</source>
        <translation>无法打开摄像头：其服务未安装（在 Debian 上为软件包 gstreamer1.0-plugins-bad）。</translation>
    </message>
    <message>
        <source>The camera cannot be opened: %1</source>
        <translation>无法打开摄像头：%1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The configuration file cannot be read. The application runs on its defaults and leaves the file as it is.</source>
        <translation>无法读取配置文件。应用程序使用默认设置运行，并保持该文件不变。</translation>
    </message>
    <message>
        <source>The account file %1 cannot be read. Nothing is written over it.</source>
        <translation>无法读取账户文件 %1。不会覆盖该文件。</translation>
    </message>
    <message>
        <source>The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a time.</source>
        <translation>账户 %1 正被 %2 上的另一个 KavrinMac 使用（进程 %3）。同一时间只能有一个使用。</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>未知计算机</translation>
    </message>
</context>
<context>
    <name>ClientSessionInfo</name>
    <message>
        <source>The account could not be saved; it keeps the settings it had before.</source>
        <translation>无法保存账户；账户保留之前的设置。</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>练习 %1</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>This account is in use on %1.</source>
        <translation>此帐户正在 %1 上使用。</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>另一台计算机</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>CHECK BANDS</source>
        <translation>检查色带</translation>
    </message>
    <message>
        <source>END CHECK</source>
        <translation>结束检查</translation>
    </message>
</context>
<context>
    <name>BandCheckView</name>
    <message>
        <source>Left instrument, green band: found</source>
        <translation>左侧器械，绿色色带：已找到</translation>
    </message>
    <message>
        <source>Left instrument, green band: not found</source>
        <translation>左侧器械，绿色色带：未找到</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: found</source>
        <translation>右侧器械，品红色色带：已找到</translation>
    </message>
    <message>
        <source>Right instrument, magenta band: not found</source>
        <translation>右侧器械，品红色色带：未找到</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>REPORT</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Choose report directory</source>
        <translation>选择报告文件夹</translation>
    </message>
    <message>
        <source>Writing reports: %1 of %2</source>
        <translation>正在写入报告：%1 / %2</translation>
    </message>
    <message>
        <source>Reports written: %1</source>
        <translation>已写入报告：%1</translation>
    </message>
    <message>
        <source>Already in the folder, not written: %1</source>
        <translation>文件夹中已有，未写入：%1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
</context>
<context>
    <name>TrainingReport</name>
    <message>
        <source>Training report</source>
        <translation>训练报告</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>账户：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Paths of the instruments</source>
        <translation>器械路径</translation>
    </message>
    <message>
        <source>Learning curve: %1</source>
        <translation>学习曲线：%1</translation>
    </message>
</context>
<context>
    <name>TrainingRows</name>
    <message>
        <source>No recorded trainings yet. Start a training from the menu&apos;s training screen with RECORD VIDEO on.</source>
        <translation>还没有录制的训练。请从菜单的训练界面开始训练，并打开“录制视频”。</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>TRAILS</source>
        <translation>轨迹</translation>
    </message>
</context>
<context>
    <name>CompareChoice</name>
    <message>
        <source>COMPARE</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>This is your best training of the exercise so far: there is no better one to compare it with.</source>
        <translation>这是您迄今为止该练习的最佳训练：没有更好的训练可供对比。</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Training time</source>
        <translation>训练时间</translation>
    </message>
</context>
</TS>
