<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>AxisToCoordinateNo</name>
    <message>
      <source>Axis No</source>
      <translation>轴编号</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>坐标编号</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>无效</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>坐标编号设置</translation>
    </message>
  </context>
  <context>
    <name>CoordinateChoice</name>
    <message>
      <source>Item Invalid</source>
      <translation>无效</translation>
    </message>
  </context>
  <context>
    <name>DataProvider</name>
    <message>
      <source>%1 canceled</source>
      <translation>%1 已取消</translation>
    </message>
    <message>
      <source>%1 completed</source>
      <translation>%1 完成</translation>
    </message>
    <message>
      <source>%1 error</source>
      <translation>%1 错误</translation>
    </message>
    <message>
      <source>%1 timed out</source>
      <translation>%1 超时</translation>
    </message>
    <message>
      <source>%1 values of the file's robot part were not taken: the robot data held stays</source>
      <translation>文件机器人部分的 %1 个值未被读取：保留现有的机器人数据</translation>
    </message>
    <message>
      <source>%1: %2 (was %3)</source>
      <translation>%1: %2 (原为 %3)</translation>
    </message>
    <message>
      <source>%1: 9894, not checked</source>
      <translation>%1: 9894，未检查</translation>
    </message>
    <message>
      <source>%1: file %2, held %3</source>
      <translation>%1: 文件 %2，保留 %3</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>... 另有 %1 个</translation>
    </message>
    <message>
      <source>1 value of the file's robot part was not taken: the robot data held stays</source>
      <translation>文件机器人部分的 1 个值未被读取：保留现有的机器人数据</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>全部数据CRC</translation>
    </message>
    <message>
      <source>Applied changes are not yet written. Open another file and lose them?</source>
      <translation>已应用的更改尚未写入。要打开另一个文件并丢失这些更改吗?</translation>
    </message>
    <message>
      <source>Applied data</source>
      <translation>已应用数据</translation>
    </message>
    <message>
      <source>Body InitialOBXReadError</source>
      <translation>无法从Orbilux读取安全参数。应用程序将关闭。</translation>
    </message>
    <message>
      <source>Body NG:COMM</source>
      <translation>控制器内部通信失败。</translation>
    </message>
    <message>
      <source>Body NG:MTRON</source>
      <translation>机器人电机处于开启状态。请关闭电机后重试。</translation>
    </message>
    <message>
      <source>Body NG:ROBOTBUSY</source>
      <translation>机器人正在运行。请停止机器人后重试。</translation>
    </message>
    <message>
      <source>Body NG:R_SFPRMBIN</source>
      <translation>Orbilux的用户参数尚未初始化。</translation>
    </message>
    <message>
      <source>Body NG:SEMA</source>
      <translation>控制器正在处理其他请求。</translation>
    </message>
    <message>
      <source>Body can not connect</source>
      <translation>无法与控制器通信。</translation>
    </message>
    <message>
      <source>Body canceled</source>
      <translation>操作已取消。</translation>
    </message>
    <message>
      <source>Body command error</source>
      <translation>控制器拒绝了该命令。</translation>
    </message>
    <message>
      <source>Body file format error</source>
      <translation>文件不是有效的参数文件，或其CRC与数据不一致。</translation>
    </message>
    <message>
      <source>Body file read error</source>
      <translation>无法读取文件。</translation>
    </message>
    <message>
      <source>Body file write error</source>
      <translation>无法写入文件。</translation>
    </message>
    <message>
      <source>Body no data</source>
      <translation>文件中没有参数数据。</translation>
    </message>
    <message>
      <source>Body timeout</source>
      <translation>控制器未在规定时间内响应。</translation>
    </message>
    <message>
      <source>Body transfer error</source>
      <translation>与控制器的文件传输失败。</translation>
    </message>
    <message>
      <source>Body unknown error</source>
      <translation>发生未知错误。</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>更改密码</translation>
    </message>
    <message>
      <source>Differences were found: %1</source>
      <translation>发现差异: %1 项</translation>
    </message>
    <message>
      <source>Failed to publish safety report.</source>
      <translation>无法输出安全报告。</translation>
    </message>
    <message>
      <source>File</source>
      <translation>文件</translation>
    </message>
    <message>
      <source>Filename: %1</source>
      <translation>文件名: %1</translation>
    </message>
    <message>
      <source>Monitor Settings CRC</source>
      <translation>监视设置CRC</translation>
    </message>
    <message>
      <source>No differences were found.</source>
      <translation>未发现差异。</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>打开文件</translation>
    </message>
    <message>
      <source>Orbilux</source>
      <translation>Orbilux</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>输出参数文件</translation>
    </message>
    <message>
      <source>Parameter set read at start-up</source>
      <translation>启动时读取的参数集</translation>
    </message>
    <message>
      <source>Read Orbilux</source>
      <translation>读取Orbilux</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>读取机器人数据</translation>
    </message>
    <message>
      <source>Read the safety parameters from Orbilux?
Changes that were not written are discarded.</source>
      <translation>要从Orbilux读取安全参数吗？
未写入的更改将被丢弃。</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>安全报告</translation>
    </message>
    <message>
      <source>Safety report published. Filename: %1</source>
      <translation>已输出安全报告。文件名: %1</translation>
    </message>
    <message>
      <source>Signal Settings CRC</source>
      <translation>信号设置CRC</translation>
    </message>
    <message>
      <source>Startup default set invalid</source>
      <translation>无法读取默认参数集 %1：不是有效的参数文件，或其 CRC 与数据不符。</translation>
    </message>
    <message>
      <source>Startup default set unreadable</source>
      <translation>无法读取默认参数集 %1：文件不存在、过大或无法打开。</translation>
    </message>
    <message>
      <source>Startup no ParameterPath</source>
      <translation>无法读取默认参数集：设置文件 config.ini 中没有 "ParameterPath"。</translation>
    </message>
    <message>
      <source>System Settings CRC</source>
      <translation>系统设置CRC</translation>
    </message>
    <message>
      <source>The parameter file was read.
Filename: %1</source>
      <translation>已读取参数文件。
文件名: %1</translation>
    </message>
    <message>
      <source>The parameter file was written.
Filename: %1</source>
      <translation>已输出参数文件。
文件名: %1</translation>
    </message>
    <message>
      <source>The password was changed.</source>
      <translation>密码已更改。</translation>
    </message>
    <message>
      <source>The robot data file is not signed: %1</source>
      <translation>机器人数据文件未签名: %1</translation>
    </message>
    <message>
      <source>The robot data was read.
Filename: %1</source>
      <translation>已读取机器人数据。
文件名: %1</translation>
    </message>
    <message>
      <source>The robot's motors are on.
Turn the motors off, then choose Yes to write the parameters.</source>
      <translation>机器人电机处于开启状态。
请关闭电机，然后选择“是”写入参数。</translation>
    </message>
    <message>
      <source>The safety parameters were read from Orbilux.</source>
      <translation>已从Orbilux读取安全参数。</translation>
    </message>
    <message>
      <source>The safety parameters were written to Orbilux.</source>
      <translation>已将安全参数写入Orbilux。</translation>
    </message>
    <message>
      <source>These parameters differ.</source>
      <translation>以下参数不同。</translation>
    </message>
    <message>
      <source>Title InitialOBXReadError</source>
      <translation>初始读取错误</translation>
    </message>
    <message>
      <source>Title StartupError</source>
      <translation>启动错误</translation>
    </message>
    <message>
      <source>Title write error</source>
      <translation>写入错误</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>超出范围的值</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>核对文件</translation>
    </message>
    <message>
      <source>Verify Orbilux</source>
      <translation>核对Orbilux</translation>
    </message>
    <message>
      <source>Whole Settings CRC</source>
      <translation>全部设置CRC</translation>
    </message>
    <message>
      <source>Write Orbilux</source>
      <translation>写入Orbilux</translation>
    </message>
    <message>
      <source>Write data</source>
      <translation>写入数据</translation>
    </message>
    <message>
      <source>Write them anyway?</source>
      <translation>仍要写入吗?</translation>
    </message>
    <message>
      <source>Write these parameters into Orbilux?</source>
      <translation>要将这些参数写入Orbilux吗？</translation>
    </message>
  </context>
  <context>
    <name>DisplayText</name>
    <message>
      <source>… (%1 characters)</source>
      <translation>…（%1 个字符）</translation>
    </message>
  </context>
  <context>
    <name>FieldBinding</name>
    <message>
      <source>Outside its limits %1 to %2</source>
      <translation>超出范围 (%1 至 %2)</translation>
    </message>
    <message>
      <source>file: %1</source>
      <translation>文件: %1</translation>
    </message>
  </context>
  <context>
    <name>FindingCount</name>
    <message>
      <source>%1 file texts not kept</source>
      <translation>未能保存的文件文本: %1 个</translation>
    </message>
    <message>
      <source>%1 values outside their limits</source>
      <translation>超出范围的值: %1 个</translation>
    </message>
    <message>
      <source>%1, %2</source>
      <translation>%1，%2</translation>
    </message>
    <message>
      <source>1 file text not kept</source>
      <translation>未能保存的文件文本: 1 个</translation>
    </message>
    <message>
      <source>1 value outside its limits</source>
      <translation>超出范围的值: 1 个</translation>
    </message>
  </context>
  <context>
    <name>FunctionMenuWidget</name>
    <message>
      <source>AreaModel</source>
      <translation>区域监视模型</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>手臂监视模型</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>手臂/设备上的速度监视点</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>自定义速度监视</translation>
    </message>
    <message>
      <source>EtherNetIPSafety</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>轴</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>逻辑运算</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>各模式速度监视</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>监视</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>紧急停止</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>轴</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>轴位置</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>逻辑运算</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>动作区域</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>保护停止</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>安全输入</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>安全输出</translation>
    </message>
    <message>
      <source>MonitoringSettingEmergencyStop</source>
      <translation>紧急停止</translation>
    </message>
    <message>
      <source>MonitoringSettingProtectiveStopSafetyFence</source>
      <translation>安全围栏</translation>
    </message>
    <message>
      <source>MonitoringSettings</source>
      <translation>监视设置</translation>
    </message>
    <message>
      <source>MonitoringSpeed</source>
      <translation>速度</translation>
    </message>
    <message>
      <source>MonitoringStop</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>MonitoringToolId</source>
      <translation>工具ID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>工具姿态</translation>
    </message>
    <message>
      <source>Motion Area</source>
      <translation>动作区域</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>网络参数</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>网络安全状态</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>网络状态</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>输出安全报告</translation>
    </message>
    <message>
      <source>ProtectiveStop</source>
      <translation>保护停止</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>用户保护停止</translation>
    </message>
    <message>
      <source>SafetyIO</source>
      <translation>安全IO</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>安全输入</translation>
    </message>
    <message>
      <source>SafetySignature</source>
      <translation>安全签名</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>通用</translation>
    </message>
    <message>
      <source>SignalSettings</source>
      <translation>信号设置</translation>
    </message>
    <message>
      <source>Speed</source>
      <translation>速度</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状态</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>停止监视</translation>
    </message>
    <message>
      <source>System</source>
      <translation>系统</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>工具监视模型</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>工具姿态</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>工具上的速度监视点</translation>
    </message>
  </context>
  <context>
    <name>GLWidget</name>
    <message>
      <source>ParallelProjection</source>
      <translation>平行投影</translation>
    </message>
    <message>
      <source>PerspectiveProjection</source>
      <translation>透视投影</translation>
    </message>
  </context>
  <context>
    <name>IO::ComparisonView</name>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <source>No differences.</source>
      <translation>无差异。</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>参数</translation>
    </message>
    <message>
      <source>Parameter comparison</source>
      <translation>参数比较</translation>
    </message>
  </context>
  <context>
    <name>IO::FileDialog</name>
    <message>
      <source>%1 already exists. Replace it?</source>
      <translation>%1 已存在。要替换它吗?</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Export Safety Report</source>
      <translation>导出安全报告</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>文件名:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>打开文件</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>输出参数文件</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>读取机器人数据</translation>
    </message>
    <message>
      <source>The robot data is read from Orbilux.</source>
      <translation>从Orbilux读取机器人数据。</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>核对文件</translation>
    </message>
  </context>
  <context>
    <name>IO::PasswordDialog</name>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>更改密码</translation>
    </message>
    <message>
      <source>Current password:</source>
      <translation>当前密码:</translation>
    </message>
    <message>
      <source>New password:</source>
      <translation>新密码:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>密码</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>密码:</translation>
    </message>
  </context>
  <context>
    <name>LogicAssignmentTree</name>
    <message>
      <source>Driven by</source>
      <translation>由结果驱动</translation>
    </message>
    <message>
      <source>Driven by result %1; take it off there first.</source>
      <translation>已分配给结果 %1，请先在那里取消。</translation>
    </message>
    <message>
      <source>Internal safety inputs</source>
      <translation>内部安全输入</translation>
    </message>
    <message>
      <source>Network safety outputs</source>
      <translation>网络安全输出</translation>
    </message>
    <message>
      <source>Signal</source>
      <translation>信号</translation>
    </message>
    <message>
      <source>User safety outputs</source>
      <translation>用户安全输出</translation>
    </message>
  </context>
  <context>
    <name>LogicCheck</name>
    <message>
      <source>%1 takes one input; input 2 must be empty.</source>
      <translation>%1 只有一个输入，输入2必须为空。</translation>
    </message>
    <message>
      <source>Driven by result %1, whose operation is unused.</source>
      <translation>由结果 %1 驱动，而其运算未使用。</translation>
    </message>
    <message>
      <source>Drives %1, but the operation is unused.</source>
      <translation>驱动 %1，但该运算未使用。</translation>
    </message>
    <message>
      <source>Drives internal safety input entry %1, which names no signal.</source>
      <translation>分配到了没有信号名的内部安全输入条目 %1。</translation>
    </message>
    <message>
      <source>Input %1 is missing.</source>
      <translation>缺少输入%1。</translation>
    </message>
    <message>
      <source>Input %1 reads result %2, whose operation is unused.</source>
      <translation>输入%1读取了未使用运算的结果 %2。</translation>
    </message>
    <message>
      <source>Input %1 reads the later result %2.</source>
      <translation>输入%1读取了后面的结果 %2。</translation>
    </message>
    <message>
      <source>Input %1 reads this operation's own result.</source>
      <translation>输入%1读取了本运算自身的结果。</translation>
    </message>
    <message>
      <source>Input %1: %2 is no input signal.</source>
      <translation>输入%1：%2 不是输入信号。</translation>
    </message>
    <message>
      <source>Internal safety input entry %1 holds %2 but names no signal.</source>
      <translation>内部安全输入条目 %1 的值为 %2，但没有信号名。</translation>
    </message>
    <message>
      <source>Operation type %1 is unknown; it is kept as stored.</source>
      <translation>运算类型 %1 未知，按存储值保留。</translation>
    </message>
    <message>
      <source>Takes part in a cycle of the results %1.</source>
      <translation>属于结果 %1 构成的循环。</translation>
    </message>
  </context>
  <context>
    <name>LogicItemDelegate</name>
    <message>
      <source>%1 signals begin with "%2"; choose one from the list.</source>
      <translation>有 %1 个信号以“%2”开头，请从列表中选择。</translation>
    </message>
    <message>
      <source>No input signal is named "%1".</source>
      <translation>没有名为“%1”的输入信号。</translation>
    </message>
  </context>
  <context>
    <name>LogicSignalDef</name>
    <message>
      <source>OpAnd</source>
      <translation>AND</translation>
    </message>
    <message>
      <source>OpInvalid</source>
      <translation>(无效)</translation>
    </message>
    <message>
      <source>OpNot</source>
      <translation>NOT</translation>
    </message>
    <message>
      <source>OpOr</source>
      <translation>OR</translation>
    </message>
    <message>
      <source>OpThru</source>
      <translation>直通</translation>
    </message>
    <message>
      <source>OpXor</source>
      <translation>XOR</translation>
    </message>
    <message>
      <source>Signal1-400</source>
      <translation>逻辑运算结果</translation>
    </message>
    <message>
      <source>Signal1001</source>
      <translation>~TP急停</translation>
    </message>
    <message>
      <source>Signal1001-1010</source>
      <translation>固定安全输入</translation>
    </message>
    <message>
      <source>Signal1002</source>
      <translation>TP使能</translation>
    </message>
    <message>
      <source>Signal1003</source>
      <translation>操作面板 示教/再现模式</translation>
    </message>
    <message>
      <source>Signal1004</source>
      <translation>操作面板 高速检查模式</translation>
    </message>
    <message>
      <source>Signal1005</source>
      <translation>2AP板 主/从 使能</translation>
    </message>
    <message>
      <source>Signal1006</source>
      <translation>~操作面板急停</translation>
    </message>
    <message>
      <source>Signal1007</source>
      <translation>~外部急停</translation>
    </message>
    <message>
      <source>Signal1008</source>
      <translation>~安全栅栏1打开</translation>
    </message>
    <message>
      <source>Signal1009</source>
      <translation>~安全栅栏2打开</translation>
    </message>
    <message>
      <source>Signal1010</source>
      <translation>外部使能</translation>
    </message>
    <message>
      <source>Signal1101-1132</source>
      <translation>用户安全输入</translation>
    </message>
    <message>
      <source>Signal1501-1564</source>
      <translation>网络安全输入</translation>
    </message>
    <message>
      <source>Signal2001</source>
      <translation>~电机电源切断指令已执行1</translation>
    </message>
    <message>
      <source>Signal2001-2162</source>
      <translation>内部安全输出</translation>
    </message>
    <message>
      <source>Signal2002</source>
      <translation>~电机电源切断指令已执行2</translation>
    </message>
    <message>
      <source>Signal2003-2018</source>
      <translation>在动作许可区域内</translation>
    </message>
    <message>
      <source>Signal2019</source>
      <translation>在动作许可常时轴范围内</translation>
    </message>
    <message>
      <source>Signal2020-2037</source>
      <translation>在动作许可选择轴范围内</translation>
    </message>
    <message>
      <source>Signal2038</source>
      <translation>在动作许可示教模式速度以内</translation>
    </message>
    <message>
      <source>Signal2039</source>
      <translation>在动作许可高速检查模式速度以内</translation>
    </message>
    <message>
      <source>Signal2040-2057</source>
      <translation>在动作许可用户速度以内</translation>
    </message>
    <message>
      <source>Signal2058-2065</source>
      <translation>在动作许可工具姿态范围内</translation>
    </message>
    <message>
      <source>Signal2066-2083</source>
      <translation>~停止监视输入中</translation>
    </message>
    <message>
      <source>Signal2084-2101</source>
      <translation>停止监视中</translation>
    </message>
    <message>
      <source>Signal2102</source>
      <translation>~SW安全栅栏打开输入中</translation>
    </message>
    <message>
      <source>Signal2103-2120</source>
      <translation>~用户保护停止输入中</translation>
    </message>
    <message>
      <source>Signal2121-2138</source>
      <translation>用户保护停止中</translation>
    </message>
    <message>
      <source>Signal2139</source>
      <translation>~SW外部急停输入中</translation>
    </message>
    <message>
      <source>Signal2140-2157</source>
      <translation>~用户急停输入中</translation>
    </message>
    <message>
      <source>Signal2158</source>
      <translation>示教模式中</translation>
    </message>
    <message>
      <source>Signal2159</source>
      <translation>高速检查模式中</translation>
    </message>
    <message>
      <source>Signal2160</source>
      <translation>再现模式中</translation>
    </message>
    <message>
      <source>Signal2161</source>
      <translation>~安全签名报警</translation>
    </message>
    <message>
      <source>Signal2162</source>
      <translation>常时ON</translation>
    </message>
    <message>
      <source>Signal3001</source>
      <translation>~电机电源切断</translation>
    </message>
    <message>
      <source>Signal3001-3003</source>
      <translation>固定安全输出</translation>
    </message>
    <message>
      <source>Signal3002</source>
      <translation>~电机制动器电源切断</translation>
    </message>
    <message>
      <source>Signal3003</source>
      <translation>电机电源正常</translation>
    </message>
    <message>
      <source>Signal60001</source>
      <translation>用户示教/再现模式</translation>
    </message>
    <message>
      <source>Signal60001-60157</source>
      <translation>内部安全输入</translation>
    </message>
    <message>
      <source>Signal60002</source>
      <translation>用户高速检查模式</translation>
    </message>
    <message>
      <source>Signal60003-60007</source>
      <translation>工具ID</translation>
    </message>
    <message>
      <source>Signal60008-60023</source>
      <translation>禁用动作区域监视保护停止</translation>
    </message>
    <message>
      <source>Signal60024-60041</source>
      <translation>禁用选择轴监视保护停止</translation>
    </message>
    <message>
      <source>Signal60042-60059</source>
      <translation>禁用用户速度监视保护停止</translation>
    </message>
    <message>
      <source>Signal60060-60067</source>
      <translation>禁用工具姿态监视保护停止</translation>
    </message>
    <message>
      <source>Signal60068-60085</source>
      <translation>~停止监视</translation>
    </message>
    <message>
      <source>Signal60086</source>
      <translation>~SW安全栅栏打开</translation>
    </message>
    <message>
      <source>Signal60087-60104</source>
      <translation>~用户保护停止</translation>
    </message>
    <message>
      <source>Signal60105</source>
      <translation>~SW外部急停</translation>
    </message>
    <message>
      <source>Signal60106-60123</source>
      <translation>~用户急停</translation>
    </message>
    <message>
      <source>Signal60124</source>
      <translation>SW外部使能</translation>
    </message>
    <message>
      <source>Signal60125</source>
      <translation>安全签名报警复位</translation>
    </message>
    <message>
      <source>Signal60126-60157</source>
      <translation>用户安全输出熔焊检查</translation>
    </message>
    <message>
      <source>Signal60501-60532</source>
      <translation>用户安全输出</translation>
    </message>
    <message>
      <source>Signal60533</source>
      <translation>用户安全输出101</translation>
    </message>
    <message>
      <source>Signal60601-60664</source>
      <translation>网络安全输出</translation>
    </message>
  </context>
  <context>
    <name>LogicTableModel</name>
    <message>
      <source>Check</source>
      <translation>检查</translation>
    </message>
    <message>
      <source>Drives</source>
      <translation>输出到</translation>
    </message>
    <message>
      <source>Input 1</source>
      <translation>输入1</translation>
    </message>
    <message>
      <source>Input 2</source>
      <translation>输入2</translation>
    </message>
    <message>
      <source>Operation</source>
      <translation>运算</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>结果</translation>
    </message>
  </context>
  <context>
    <name>LogicalOp</name>
    <message>
      <source>Apply</source>
      <translation>应用</translation>
    </message>
    <message>
      <source>Apply is blocked by errors (%1); the first is at result %2.</source>
      <translation>有 %1 个错误，无法应用；第一个错误在结果 %2。</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Clear operation</source>
      <translation>清除运算</translation>
    </message>
    <message>
      <source>Operations in use: %1   Errors: %2   Warnings: %3</source>
      <translation>使用中的运算: %1   错误: %2   警告: %3</translation>
    </message>
    <message>
      <source>Result %1 = %2</source>
      <translation>结果 %1 = %2</translation>
    </message>
    <message>
      <source>Result %1 drives these signals. OK clears the operation and takes them off it; Cancel keeps everything.</source>
      <translation>结果 %1 驱动以下信号。确定将清除该运算并取消这些分配；取消则不做任何更改。</translation>
    </message>
    <message>
      <source>Result %1 is unused.</source>
      <translation>结果 %1 未使用。</translation>
    </message>
    <message>
      <source>Show only results in use</source>
      <translation>仅显示使用中的结果</translation>
    </message>
  </context>
  <context>
    <name>LogicalOpDialog</name>
    <message>
      <source>LogicalOperation</source>
      <translation>逻辑运算</translation>
    </message>
  </context>
  <context>
    <name>LongMessageBox</name>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Close confirmation</source>
      <translation>关闭确认</translation>
    </message>
    <message>
      <source>Label CostBar</source>
      <translation>剩余</translation>
    </message>
    <message>
      <source>No</source>
      <translation>否</translation>
    </message>
    <message>
      <source>Sets up the safety monitoring unit of a robot controller.</source>
      <translation>设置机器人控制器的安全监视单元。</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to save it to a file?</source>
      <translation>安全参数存在已更新的数据。是否保存到文件?</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to write to Orbilux?</source>
      <translation>安全参数存在已更新的数据。是否写入Orbilux?</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>是</translation>
    </message>
  </context>
  <context>
    <name>MenuBar</name>
    <message>
      <source>Change Password(&amp;P)</source>
      <translation>更改密码(&amp;P)...</translation>
    </message>
    <message>
      <source>Chinese(&amp;C)</source>
      <translation>中文(&amp;C)</translation>
    </message>
    <message>
      <source>English(&amp;E)</source>
      <translation>英语(&amp;E)</translation>
    </message>
    <message>
      <source>Export Safety Report(&amp;E)</source>
      <translation>导出安全报告(&amp;E)...</translation>
    </message>
    <message>
      <source>File(&amp;F)</source>
      <translation>文件(&amp;F)</translation>
    </message>
    <message>
      <source>Japanese(&amp;J)</source>
      <translation>日语(&amp;J)</translation>
    </message>
    <message>
      <source>Korean(&amp;K)</source>
      <translation>韩语(&amp;K)</translation>
    </message>
    <message>
      <source>Language Change Message</source>
      <translation>语言更改</translation>
    </message>
    <message>
      <source>Language(&amp;L)</source>
      <translation>语言(&amp;L)</translation>
    </message>
    <message>
      <source>Open File(&amp;O)</source>
      <translation>打开文件(&amp;O)...</translation>
    </message>
    <message>
      <source>Orbilux(&amp;C)</source>
      <translation>Orbilux(&amp;C)</translation>
    </message>
    <message>
      <source>Output ParameterFile(&amp;S)</source>
      <translation>输出参数文件(&amp;S)...</translation>
    </message>
    <message>
      <source>ParallelProjection(&amp;L)</source>
      <translation>平行投影(&amp;L)</translation>
    </message>
    <message>
      <source>PerspectiveProjection(&amp;S)</source>
      <translation>透视投影(&amp;S)</translation>
    </message>
    <message>
      <source>Plane(&amp;N)</source>
      <translation>平面(&amp;N)</translation>
    </message>
    <message>
      <source>Projection(&amp;J)</source>
      <translation>投影(&amp;J)</translation>
    </message>
    <message>
      <source>Read Orbilux(&amp;R)</source>
      <translation>从Orbilux读取(&amp;R)</translation>
    </message>
    <message>
      <source>Read RobotData(&amp;B)</source>
      <translation>读取机器人数据(&amp;B)</translation>
    </message>
    <message>
      <source>Reset(&amp;0)</source>
      <translation>复位(&amp;0)</translation>
    </message>
    <message>
      <source>Setting(&amp;S)</source>
      <translation>设置(&amp;S)</translation>
    </message>
    <message>
      <source>The language change will be reflected on the next startup.</source>
      <translation>语言更改将在下次启动时生效。</translation>
    </message>
    <message>
      <source>Verify File(&amp;V)</source>
      <translation>与文件校验(&amp;V)...</translation>
    </message>
    <message>
      <source>Verify Orbilux(&amp;V)</source>
      <translation>与Orbilux校验(&amp;V)</translation>
    </message>
    <message>
      <source>View(&amp;V)</source>
      <translation>视图(&amp;V)</translation>
    </message>
    <message>
      <source>Write Orbilux(&amp;W)</source>
      <translation>写入Orbilux(&amp;W)...</translation>
    </message>
    <message>
      <source>XY(&amp;2)</source>
      <translation>XY(&amp;2)</translation>
    </message>
    <message>
      <source>XZ(&amp;1)</source>
      <translation>XZ(&amp;1)</translation>
    </message>
    <message>
      <source>YZ(&amp;3)</source>
      <translation>YZ(&amp;3)</translation>
    </message>
  </context>
  <context>
    <name>MonitoringBase</name>
    <message>
      <source>SignalName</source>
      <translation>信号名称</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状态</translation>
    </message>
  </context>
  <context>
    <name>MonitoringDialog</name>
    <message>
      <source>Monitoring</source>
      <translation>监视</translation>
    </message>
  </context>
  <context>
    <name>MonitoringFooter</name>
    <message>
      <source>Display</source>
      <translation>显示</translation>
    </message>
    <message>
      <source>OverrideFunction</source>
      <translation>超控功能</translation>
    </message>
  </context>
  <context>
    <name>MonitoringHeader</name>
    <message>
      <source>Button%1</source>
      <translation>安全软件%1</translation>
    </message>
  </context>
  <context>
    <name>MonitoringJointPosition</name>
    <message>
      <source>CurrentFlangePosition</source>
      <translation>当前位置（法兰点）</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>轴</translation>
    </message>
    <message>
      <source>PV</source>
      <translation>当前值</translation>
    </message>
    <message>
      <source>SV</source>
      <translation>指令值</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>单位</translation>
    </message>
  </context>
  <context>
    <name>MonitoringLogicalOperation</name>
    <message>
      <source>... and %1 more assignments</source>
      <translation>…另有%1个分配</translation>
    </message>
    <message>
      <source>IN1</source>
      <translation>输入1</translation>
    </message>
    <message>
      <source>IN2</source>
      <translation>输入2</translation>
    </message>
    <message>
      <source>OP</source>
      <translation>运算</translation>
    </message>
    <message>
      <source>OUT</source>
      <translation>分配</translation>
    </message>
    <message>
      <source>ResultNo</source>
      <translation>结果编号</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状态</translation>
    </message>
  </context>
  <context>
    <name>MonitoringMotionArea</name>
    <message>
      <source>Arm</source>
      <translation>手臂</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>信号名称</translation>
    </message>
    <message>
      <source>SignalName%1_en</source>
      <translation>动作许可区域%1内</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状态</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>工具</translation>
    </message>
  </context>
  <context>
    <name>MonitoringSafetyIO</name>
    <message>
      <source>Fixed</source>
      <translation>固定</translation>
    </message>
    <message>
      <source>Internal</source>
      <translation>内部</translation>
    </message>
    <message>
      <source>Network</source>
      <translation>网络</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>信号名称</translation>
    </message>
    <message>
      <source>SignalNo</source>
      <translation>信号编号</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状态</translation>
    </message>
    <message>
      <source>User</source>
      <translation>用户</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolId</name>
    <message>
      <source>Name</source>
      <translation>名称</translation>
    </message>
    <message>
      <source>Security softwareA</source>
      <translation>安全软件A：机器人（RZ）指定的工具编号</translation>
    </message>
    <message>
      <source>Security softwareB</source>
      <translation>安全软件B：安全软件当前监视的工具编号</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>工具编号</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>值</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolOrientation</name>
    <message>
      <source>SignalName%1_en</source>
      <translation>工具姿态范围%1</translation>
    </message>
    <message>
      <source>SignalNameColumnLabel_en</source>
      <translation>信号名称 - 动作许可</translation>
    </message>
  </context>
  <context>
    <name>MsgBox</name>
    <message>
      <source>Are you sure you want to clear input ? 
 If not please update.</source>
      <translation>确定要清除输入吗？
如果不清除，请更新。</translation>
    </message>
    <message>
      <source>Body UnsupportedModelError</source>
      <translation>由于不支持该机型，应用程序将关闭。</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Clear Input</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Device Change Message</source>
      <translation>变更确认</translation>
    </message>
    <message>
      <source>No</source>
      <translation>否</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Please check your targetDevice (targetDevice change)</source>
      <translation>监视对象已变更。
变更前的机器人或设备将不再受到监视。</translation>
    </message>
    <message>
      <source>Title UnsupportedModelError</source>
      <translation>不支持的机型错误</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>是</translation>
    </message>
  </context>
  <context>
    <name>NetworkParameters</name>
    <message>
      <source>CRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>NWParameterReset</source>
      <translation>网络参数复位</translation>
    </message>
    <message>
      <source>OCPUNID (Owner UNID)</source>
      <translation>OCPUNID（所有者UNID）</translation>
    </message>
    <message>
      <source>Parameters not reset.</source>
      <translation>参数未复位。
单元未连接或未接受该命令。</translation>
    </message>
    <message>
      <source>Parameters reset. Reboot.</source>
      <translation>参数已复位。
请重新接通控制器电源。</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>复位</translation>
    </message>
    <message>
      <source>SCID (Safety Configuration Identifier)</source>
      <translation>SCID（安全配置标识符）</translation>
    </message>
    <message>
      <source>SNN</source>
      <translation>SNN</translation>
    </message>
    <message>
      <source>TUNID (Target UNID)</source>
      <translation>TUNID（目标UNID）</translation>
    </message>
    <message>
      <source>nodeId</source>
      <translation>nodeId</translation>
    </message>
    <message>
      <source>time-date</source>
      <translation>时间-日期</translation>
    </message>
  </context>
  <context>
    <name>NetworkSafetyStatus</name>
    <message>
      <source>Connected</source>
      <translation>已连接</translation>
    </message>
    <message>
      <source>ConnectionStatus</source>
      <translation>连接状态</translation>
    </message>
    <message>
      <source>Disconnected</source>
      <translation>未连接</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>IP地址</translation>
    </message>
    <message>
      <source>MacAddress</source>
      <translation>MAC地址</translation>
    </message>
    <message>
      <source>ModuleStatusLED</source>
      <translation>模块状态</translation>
    </message>
    <message>
      <source>NetworkStatusLED</source>
      <translation>网络状态</translation>
    </message>
    <message>
      <source>PortInfo</source>
      <translation>端口</translation>
    </message>
    <message>
      <source>port</source>
      <translation>port</translation>
    </message>
  </context>
  <context>
    <name>NetworkStatus</name>
    <message>
      <source>Configuration Assembly Instance</source>
      <translation>配置组件实例</translation>
    </message>
    <message>
      <source>DeviceType</source>
      <translation>DeviceType</translation>
    </message>
    <message>
      <source>Input Assembly Instance</source>
      <translation>输入组件实例</translation>
    </message>
    <message>
      <source>Major Version</source>
      <translation>主版本</translation>
    </message>
    <message>
      <source>Minor Version</source>
      <translation>次版本</translation>
    </message>
    <message>
      <source>Output Assembly Instance</source>
      <translation>输出组件实例</translation>
    </message>
    <message>
      <source>ProductCode</source>
      <translation>ProductCode</translation>
    </message>
    <message>
      <source>Safety Input</source>
      <translation>安全输入</translation>
    </message>
    <message>
      <source>Safety Output</source>
      <translation>安全输出</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>大小</translation>
    </message>
    <message>
      <source>VenderID</source>
      <translation>VenderID</translation>
    </message>
  </context>
  <context>
    <name>Parameter</name>
    <message>
      <source>Device</source>
      <translation>设备</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Confirm</source>
      <translation>剩余处理容量不足。
请重新检查设置数量。</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Disable</source>
      <translation>剩余处理容量不足。
已禁用区域监控设置。</translation>
    </message>
    <message>
      <source>Modal Title Cost Over</source>
      <translation>监控区域错误</translation>
    </message>
    <message>
      <source>No Device</source>
      <translation>无设备</translation>
    </message>
    <message>
      <source>Robot</source>
      <translation>机器人</translation>
    </message>
    <message>
      <source>suffix deg</source>
      <translation> deg</translation>
    </message>
    <message>
      <source>suffix mm</source>
      <translation> mm</translation>
    </message>
  </context>
  <context>
    <name>ParameterDefDB</name>
    <message>
      <source>string0</source>
      <translation>-</translation>
    </message>
    <message>
      <source>string1</source>
      <translation>通用</translation>
    </message>
    <message>
      <source>string10</source>
      <translation>轴监视功能</translation>
    </message>
    <message>
      <source>string100</source>
      <translation>工具姿态范围设置%1</translation>
    </message>
    <message>
      <source>string101</source>
      <translation>保护停止有效/无效</translation>
    </message>
    <message>
      <source>string102</source>
      <translation>示教模式下有效/无效</translation>
    </message>
    <message>
      <source>string103</source>
      <translation>高速确认模式下有效/无效</translation>
    </message>
    <message>
      <source>string104</source>
      <translation>再现模式下有效/无效</translation>
    </message>
    <message>
      <source>string105</source>
      <translation>对象机器人/设备</translation>
    </message>
    <message>
      <source>string106</source>
      <translation>对象轴</translation>
    </message>
    <message>
      <source>string107</source>
      <translation>SW安全围栏有效/无效</translation>
    </message>
    <message>
      <source>string108</source>
      <translation>SW外部急停有效/无效</translation>
    </message>
    <message>
      <source>string109</source>
      <translation>用户安全输入%1</translation>
    </message>
    <message>
      <source>string11</source>
      <translation>速度监视功能</translation>
    </message>
    <message>
      <source>string110</source>
      <translation>逻辑公式%1</translation>
    </message>
    <message>
      <source>string111</source>
      <translation>内部安全输入%1</translation>
    </message>
    <message>
      <source>string112</source>
      <translation>用户安全输出%1</translation>
    </message>
    <message>
      <source>string113</source>
      <translation>网络安全输出%1</translation>
    </message>
    <message>
      <source>string114</source>
      <translation>坐标系类型</translation>
    </message>
    <message>
      <source>string115</source>
      <translation>轴编号</translation>
    </message>
    <message>
      <source>string116</source>
      <translation>θ</translation>
    </message>
    <message>
      <source>string117</source>
      <translation>d0</translation>
    </message>
    <message>
      <source>string118</source>
      <translation>k0</translation>
    </message>
    <message>
      <source>string119</source>
      <translation>a0</translation>
    </message>
    <message>
      <source>string12</source>
      <translation>工具姿态监视功能</translation>
    </message>
    <message>
      <source>string120</source>
      <translation>α</translation>
    </message>
    <message>
      <source>string121</source>
      <translation>参考轴</translation>
    </message>
    <message>
      <source>string122</source>
      <translation>补偿值</translation>
    </message>
    <message>
      <source>string123</source>
      <translation>补偿模式</translation>
    </message>
    <message>
      <source>string124</source>
      <translation>缓冲区0</translation>
    </message>
    <message>
      <source>string125</source>
      <translation>缓冲区1</translation>
    </message>
    <message>
      <source>string126</source>
      <translation>缓冲区2</translation>
    </message>
    <message>
      <source>string127</source>
      <translation>缓冲区3</translation>
    </message>
    <message>
      <source>string128</source>
      <translation>缓冲区4</translation>
    </message>
    <message>
      <source>string129</source>
      <translation>缓冲区5</translation>
    </message>
    <message>
      <source>string13</source>
      <translation>停止监视功能</translation>
    </message>
    <message>
      <source>string130</source>
      <translation>缓冲区6</translation>
    </message>
    <message>
      <source>string131</source>
      <translation>缓冲区7</translation>
    </message>
    <message>
      <source>string132</source>
      <translation>缓冲区8</translation>
    </message>
    <message>
      <source>string133</source>
      <translation>缓冲区9</translation>
    </message>
    <message>
      <source>string134</source>
      <translation>轴类型</translation>
    </message>
    <message>
      <source>string135</source>
      <translation>分辨率</translation>
    </message>
    <message>
      <source>string136</source>
      <translation>旋转偏移</translation>
    </message>
    <message>
      <source>string137</source>
      <translation>零点值</translation>
    </message>
    <message>
      <source>string138</source>
      <translation>偏差检查阈值</translation>
    </message>
    <message>
      <source>string139</source>
      <translation>编码器值跳变检查阈值</translation>
    </message>
    <message>
      <source>string14</source>
      <translation>保护停止功能</translation>
    </message>
    <message>
      <source>string140</source>
      <translation>上电时检查容许值</translation>
    </message>
    <message>
      <source>string141</source>
      <translation>空走时间</translation>
    </message>
    <message>
      <source>string142</source>
      <translation>制动减速度</translation>
    </message>
    <message>
      <source>string143</source>
      <translation>球体/胶囊体%1</translation>
    </message>
    <message>
      <source>string144</source>
      <translation>球体/胶囊体/长方体%1</translation>
    </message>
    <message>
      <source>string145</source>
      <translation>X</translation>
    </message>
    <message>
      <source>string146</source>
      <translation>Y</translation>
    </message>
    <message>
      <source>string147</source>
      <translation>监视点%1</translation>
    </message>
    <message>
      <source>string148</source>
      <translation>速度类型</translation>
    </message>
    <message>
      <source>string149</source>
      <translation>对象轴有效/无效</translation>
    </message>
    <message>
      <source>string15</source>
      <translation>急停功能</translation>
    </message>
    <message>
      <source>string150</source>
      <translation>半顶角</translation>
    </message>
    <message>
      <source>string151</source>
      <translation>O</translation>
    </message>
    <message>
      <source>string152</source>
      <translation>A</translation>
    </message>
    <message>
      <source>string153</source>
      <translation>示教模式时</translation>
    </message>
    <message>
      <source>string154</source>
      <translation>高速确认模式时</translation>
    </message>
    <message>
      <source>string155</source>
      <translation>再现模式时</translation>
    </message>
    <message>
      <source>string156</source>
      <translation>脉冲诊断</translation>
    </message>
    <message>
      <source>string157</source>
      <translation>滤波时间</translation>
    </message>
    <message>
      <source>string158</source>
      <translation>双重逻辑</translation>
    </message>
    <message>
      <source>string159</source>
      <translation>不一致容许时间</translation>
    </message>
    <message>
      <source>string16</source>
      <translation>安全输入</translation>
    </message>
    <message>
      <source>string160</source>
      <translation>运算类型</translation>
    </message>
    <message>
      <source>string161</source>
      <translation>运算输入1</translation>
    </message>
    <message>
      <source>string162</source>
      <translation>运算输入2</translation>
    </message>
    <message>
      <source>string163</source>
      <translation>高速确认/再现模式时</translation>
    </message>
    <message>
      <source>string164</source>
      <translation>坐标系编号</translation>
    </message>
    <message>
      <source>string165</source>
      <translation>类型</translation>
    </message>
    <message>
      <source>string166</source>
      <translation>半径</translation>
    </message>
    <message>
      <source>string167</source>
      <translation>X1</translation>
    </message>
    <message>
      <source>string168</source>
      <translation>Y1</translation>
    </message>
    <message>
      <source>string169</source>
      <translation>Z1</translation>
    </message>
    <message>
      <source>string17</source>
      <translation>逻辑运算</translation>
    </message>
    <message>
      <source>string170</source>
      <translation>X2</translation>
    </message>
    <message>
      <source>string171</source>
      <translation>Y2</translation>
    </message>
    <message>
      <source>string172</source>
      <translation>Z2</translation>
    </message>
    <message>
      <source>string173</source>
      <translation>X尺寸</translation>
    </message>
    <message>
      <source>string174</source>
      <translation>Y尺寸</translation>
    </message>
    <message>
      <source>string175</source>
      <translation>Z尺寸</translation>
    </message>
    <message>
      <source>string176</source>
      <translation>T</translation>
    </message>
    <message>
      <source>string177</source>
      <translation>上限</translation>
    </message>
    <message>
      <source>string178</source>
      <translation>下限</translation>
    </message>
    <message>
      <source>string179</source>
      <translation>轴范围有效/无效</translation>
    </message>
    <message>
      <source>string18</source>
      <translation>分配</translation>
    </message>
    <message>
      <source>string180</source>
      <translation>允许/禁止轴范围</translation>
    </message>
    <message>
      <source>string181</source>
      <translation>轴范围上限</translation>
    </message>
    <message>
      <source>string182</source>
      <translation>轴范围下限</translation>
    </message>
    <message>
      <source>string183</source>
      <translation>Z</translation>
    </message>
    <message>
      <source>string184</source>
      <translation>停止监视</translation>
    </message>
    <message>
      <source>string185</source>
      <translation>坐标系</translation>
    </message>
    <message>
      <source>string186</source>
      <translation>Theta</translation>
    </message>
    <message>
      <source>string187</source>
      <translation>D0</translation>
    </message>
    <message>
      <source>string188</source>
      <translation>K0</translation>
    </message>
    <message>
      <source>string189</source>
      <translation>A0</translation>
    </message>
    <message>
      <source>string19</source>
      <translation>规格</translation>
    </message>
    <message>
      <source>string190</source>
      <translation>Alpha</translation>
    </message>
    <message>
      <source>string191</source>
      <translation>TCP_X</translation>
    </message>
    <message>
      <source>string192</source>
      <translation>TCP_Y</translation>
    </message>
    <message>
      <source>string193</source>
      <translation>TCP_Z</translation>
    </message>
    <message>
      <source>string194</source>
      <translation>TCP_O</translation>
    </message>
    <message>
      <source>string195</source>
      <translation>TCP_A</translation>
    </message>
    <message>
      <source>string196</source>
      <translation>TCP_T</translation>
    </message>
    <message>
      <source>string197</source>
      <translation>区域监视模型</translation>
    </message>
    <message>
      <source>string198</source>
      <translation>工具姿态范围设置</translation>
    </message>
    <message>
      <source>string199</source>
      <translation>示教模式停止类别0空走时间</translation>
    </message>
    <message>
      <source>string2</source>
      <translation>机器人/设备</translation>
    </message>
    <message>
      <source>string20</source>
      <translation>名称</translation>
    </message>
    <message>
      <source>string200</source>
      <translation>示教模式停止类别0制动减速度</translation>
    </message>
    <message>
      <source>string201</source>
      <translation>高速确认/再现模式停止类别0空走时间</translation>
    </message>
    <message>
      <source>string202</source>
      <translation>高速确认/再现模式停止类别0制动减速度</translation>
    </message>
    <message>
      <source>string203</source>
      <translation>停止类别1空走时间</translation>
    </message>
    <message>
      <source>string204</source>
      <translation>厂商设置停止类别1制动减速度</translation>
    </message>
    <message>
      <source>string205</source>
      <translation>用户设置停止类别1制动减速度</translation>
    </message>
    <message>
      <source>string206</source>
      <translation>顶点坐标X</translation>
    </message>
    <message>
      <source>string207</source>
      <translation>顶点坐标Y</translation>
    </message>
    <message>
      <source>string208</source>
      <translation>deg</translation>
    </message>
    <message>
      <source>string209</source>
      <translation>mm</translation>
    </message>
    <message>
      <source>string21</source>
      <translation>序列号</translation>
    </message>
    <message>
      <source>string210</source>
      <translation>bit</translation>
    </message>
    <message>
      <source>string211</source>
      <translation>ms</translation>
    </message>
    <message>
      <source>string212</source>
      <translation>mm/s²</translation>
    </message>
    <message>
      <source>string213</source>
      <translation>mm/s</translation>
    </message>
    <message>
      <source>string22</source>
      <translation>DH参数</translation>
    </message>
    <message>
      <source>string23</source>
      <translation>诱导补偿</translation>
    </message>
    <message>
      <source>string24</source>
      <translation>坐标系补偿</translation>
    </message>
    <message>
      <source>string25</source>
      <translation>特殊补偿</translation>
    </message>
    <message>
      <source>string26</source>
      <translation>轴设置</translation>
    </message>
    <message>
      <source>string27</source>
      <translation>板卡数量</translation>
    </message>
    <message>
      <source>string28</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>string29</source>
      <translation>输入设置</translation>
    </message>
    <message>
      <source>string3</source>
      <translation>安全I/O板</translation>
    </message>
    <message>
      <source>string30</source>
      <translation>轴%1</translation>
    </message>
    <message>
      <source>string31</source>
      <translation>编码器诊断</translation>
    </message>
    <message>
      <source>string32</source>
      <translation>工具ID规格</translation>
    </message>
    <message>
      <source>string33</source>
      <translation>工具ID转换表</translation>
    </message>
    <message>
      <source>string34</source>
      <translation>工具不一致时移动距离容许值</translation>
    </message>
    <message>
      <source>string35</source>
      <translation>工具%1</translation>
    </message>
    <message>
      <source>string36</source>
      <translation>减速监视</translation>
    </message>
    <message>
      <source>string37</source>
      <translation>停止对象</translation>
    </message>
    <message>
      <source>string38</source>
      <translation>停止距离预估</translation>
    </message>
    <message>
      <source>string39</source>
      <translation>手臂监视球体/胶囊体</translation>
    </message>
    <message>
      <source>string4</source>
      <translation>安全网络</translation>
    </message>
    <message>
      <source>string40</source>
      <translation>工具监视球体/胶囊体/长方体</translation>
    </message>
    <message>
      <source>string41</source>
      <translation>组%1</translation>
    </message>
    <message>
      <source>string42</source>
      <translation>常时轴监视</translation>
    </message>
    <message>
      <source>string43</source>
      <translation>选择轴监视</translation>
    </message>
    <message>
      <source>string44</source>
      <translation>手臂/设备速度监视点</translation>
    </message>
    <message>
      <source>string45</source>
      <translation>工具速度监视点</translation>
    </message>
    <message>
      <source>string46</source>
      <translation>示教模式速度监视</translation>
    </message>
    <message>
      <source>string47</source>
      <translation>高速确认模式速度监视</translation>
    </message>
    <message>
      <source>string48</source>
      <translation>用户速度监视</translation>
    </message>
    <message>
      <source>string49</source>
      <translation>安全围栏保护停止</translation>
    </message>
    <message>
      <source>string5</source>
      <translation>运行模式</translation>
    </message>
    <message>
      <source>string50</source>
      <translation>用户保护停止</translation>
    </message>
    <message>
      <source>string51</source>
      <translation>TP急停</translation>
    </message>
    <message>
      <source>string52</source>
      <translation>操作面板急停</translation>
    </message>
    <message>
      <source>string53</source>
      <translation>外部/SW外部急停</translation>
    </message>
    <message>
      <source>string54</source>
      <translation>操作面板/外部/SW外部急停</translation>
    </message>
    <message>
      <source>string55</source>
      <translation>用户急停</translation>
    </message>
    <message>
      <source>string56</source>
      <translation>用户安全输入</translation>
    </message>
    <message>
      <source>string57</source>
      <translation>逻辑公式</translation>
    </message>
    <message>
      <source>string58</source>
      <translation>内部安全输入</translation>
    </message>
    <message>
      <source>string59</source>
      <translation>用户安全输出</translation>
    </message>
    <message>
      <source>string6</source>
      <translation>自诊断</translation>
    </message>
    <message>
      <source>string60</source>
      <translation>网络安全输出</translation>
    </message>
    <message>
      <source>string61</source>
      <translation>名称%1</translation>
    </message>
    <message>
      <source>string62</source>
      <translation>设备%1</translation>
    </message>
    <message>
      <source>string63</source>
      <translation>分配%1</translation>
    </message>
    <message>
      <source>string64</source>
      <translation>坐标系%1</translation>
    </message>
    <message>
      <source>string65</source>
      <translation>特殊补偿%1</translation>
    </message>
    <message>
      <source>string66</source>
      <translation>有效/无效</translation>
    </message>
    <message>
      <source>string67</source>
      <translation>偏差检查时间</translation>
    </message>
    <message>
      <source>string68</source>
      <translation>位置实际值/指令值诊断</translation>
    </message>
    <message>
      <source>string69</source>
      <translation>TCP X</translation>
    </message>
    <message>
      <source>string7</source>
      <translation>工具设置</translation>
    </message>
    <message>
      <source>string70</source>
      <translation>TCP Y</translation>
    </message>
    <message>
      <source>string71</source>
      <translation>TCP Z</translation>
    </message>
    <message>
      <source>string72</source>
      <translation>TCP O</translation>
    </message>
    <message>
      <source>string73</source>
      <translation>TCP A</translation>
    </message>
    <message>
      <source>string74</source>
      <translation>TCP T</translation>
    </message>
    <message>
      <source>string75</source>
      <translation>轴最大速度</translation>
    </message>
    <message>
      <source>string76</source>
      <translation>监视无效时间</translation>
    </message>
    <message>
      <source>string77</source>
      <translation>设定减速时间</translation>
    </message>
    <message>
      <source>string78</source>
      <translation>超时容许时间</translation>
    </message>
    <message>
      <source>string79</source>
      <translation>停止判定编码器阈值</translation>
    </message>
    <message>
      <source>string8</source>
      <translation>减速监视/停止监视</translation>
    </message>
    <message>
      <source>string80</source>
      <translation>停止监视轴移动量阈值</translation>
    </message>
    <message>
      <source>string81</source>
      <translation>停止类别0</translation>
    </message>
    <message>
      <source>string82</source>
      <translation>停止类别1</translation>
    </message>
    <message>
      <source>string83</source>
      <translation>厂商设置</translation>
    </message>
    <message>
      <source>string84</source>
      <translation>用户设置</translation>
    </message>
    <message>
      <source>string85</source>
      <translation>有效/无效</translation>
    </message>
    <message>
      <source>string86</source>
      <translation>允许/禁止区域</translation>
    </message>
    <message>
      <source>string87</source>
      <translation>Z上限</translation>
    </message>
    <message>
      <source>string88</source>
      <translation>Z下限</translation>
    </message>
    <message>
      <source>string89</source>
      <translation>顶点数</translation>
    </message>
    <message>
      <source>string9</source>
      <translation>动作区域监视功能</translation>
    </message>
    <message>
      <source>string90</source>
      <translation>顶点坐标%1</translation>
    </message>
    <message>
      <source>string91</source>
      <translation>示教模式保护停止有效/无效</translation>
    </message>
    <message>
      <source>string92</source>
      <translation>高速确认模式保护停止有效/无效</translation>
    </message>
    <message>
      <source>string93</source>
      <translation>再现模式保护停止有效/无效</translation>
    </message>
    <message>
      <source>string94</source>
      <translation>停止类别</translation>
    </message>
    <message>
      <source>string95</source>
      <translation>停止距离预估有效/无效</translation>
    </message>
    <message>
      <source>string96</source>
      <translation>轴范围设置</translation>
    </message>
    <message>
      <source>string97</source>
      <translation>限制速度</translation>
    </message>
    <message>
      <source>string98</source>
      <translation>手臂/设备速度监视点有效/无效</translation>
    </message>
    <message>
      <source>string99</source>
      <translation>工具速度监视点有效/无效</translation>
    </message>
  </context>
  <context>
    <name>PlanView</name>
    <message>
      <source>%1 mm</source>
      <translation>%1 mm</translation>
    </message>
    <message>
      <source>Area %1: enabled, not drawn (its vertices or Z limits are not usable)</source>
      <translation>区域%1: 有效，未绘制 (顶点或Z范围不可用)</translation>
    </message>
    <message>
      <source>Area %1: forbidden, Z %2 to %3 mm</source>
      <translation>区域%1: 禁止，Z %2 至 %3 mm</translation>
    </message>
    <message>
      <source>Area %1: permitted, Z %2 to %3 mm</source>
      <translation>区域%1: 允许，Z %2 至 %3 mm</translation>
    </message>
    <message>
      <source>Arm model %1: enabled, not drawn (its values are not usable)</source>
      <translation>手臂监视模型%1: 有效，未绘制 (数值不可用)</translation>
    </message>
    <message>
      <source>Arm model, maker setting</source>
      <translation>手臂监视模型 (厂家设定)</translation>
    </message>
    <message>
      <source>Arm model, user setting</source>
      <translation>手臂监视模型 (用户设定)</translation>
    </message>
    <message>
      <source>Forbidden area</source>
      <translation>禁止区域</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every %2 mm.</source>
      <translation>网格线间隔%1 mm，粗线间隔%2 mm。</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every 1000 mm.</source>
      <translation>网格线间隔%1 mm，粗线间隔1000 mm。</translation>
    </message>
    <message>
      <source>No motion area is enabled.</source>
      <translation>没有有效的动作区域。</translation>
    </message>
    <message>
      <source>Permitted area</source>
      <translation>允许区域</translation>
    </message>
    <message>
      <source>Robot in its home pose (all joints at 0)</source>
      <translation>原点姿态 (各轴为0) 的机器人</translation>
    </message>
    <message>
      <source>Tool model %1 of tool 1: enabled, not drawn (its values are not usable)</source>
      <translation>工具1的工具监视模型%1: 有效，未绘制 (数值不可用)</translation>
    </message>
    <message>
      <source>Tool model of tool 1</source>
      <translation>工具1的工具监视模型</translation>
    </message>
  </context>
  <context>
    <name>Property::AreaModel</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>AreaModelSetting</source>
      <translation>动作区域模型</translation>
    </message>
    <message>
      <source>AreaNo</source>
      <translation>区域</translation>
    </message>
    <message>
      <source>Item Forbidden</source>
      <translation>禁止</translation>
    </message>
    <message>
      <source>Item Permitted</source>
      <translation>允许</translation>
    </message>
    <message>
      <source>Label Cost Left %1 %2</source>
      <translation>剩余处理容量:
%1 / %2</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>参数</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>停止类别0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>停止类别1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>Warning Concave</source>
      <translation>轮廓不是凸形。</translation>
    </message>
    <message>
      <source>Warning Crossing</source>
      <translation>轮廓自相交。</translation>
    </message>
    <message>
      <source>Warning Repeated Vertex %1 %2</source>
      <translation>顶点%1与顶点%2重合。</translation>
    </message>
    <message>
      <source>Warning Z Order</source>
      <translation>Z上限低于Z下限。</translation>
    </message>
  </context>
  <context>
    <name>Property::ArmModel</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>ArmModelSetting</source>
      <translation>手臂监视模型</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>复制</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>制造商</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>用户</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>轴编号</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>模型编号</translation>
    </message>
    <message>
      <source>Outside their limits in the set not shown (%1):</source>
      <translation>未显示的集合（%1）中超出限制的值：</translation>
    </message>
    <message>
      <source>Outside their limits, shown on no page:</source>
      <translation>未在任何页面显示的超出限制的值：</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>参数</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>粘贴</translation>
    </message>
    <message>
      <source>Point1</source>
      <translation>P1</translation>
    </message>
    <message>
      <source>Point2</source>
      <translation>P2</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>坐标编号设定</translation>
    </message>
    <message>
      <source>capsule</source>
      <translation>胶囊</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>球体</translation>
    </message>
  </context>
  <context>
    <name>Property::ArmSpeed</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>手臂/设备上的速度监视点</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>坐标编号</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>复制</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>制造商</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>用户</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>无效</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>轴编号</translation>
    </message>
    <message>
      <source>Label Category</source>
      <translation>规格</translation>
    </message>
    <message>
      <source>MonitoringPoint</source>
      <translation>监视点</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>粘贴</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>速度监视点设定</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>坐标编号设定</translation>
    </message>
  </context>
  <context>
    <name>Property::CustomSpeed</name>
    <message>
      <source>%1 points on the arm and devices, %2 on tools</source>
      <translation>手臂和设备上 %1 个点，工具上 %2 个点</translation>
    </message>
    <message>
      <source>Monitoring Points...</source>
      <translation>监视点...</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>速度监视点</translation>
    </message>
  </context>
  <context>
    <name>Property::Joint</name>
    <message>
      <source>Disabled</source>
      <translation>无效</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>有效</translation>
    </message>
    <message>
      <source>Forbidden</source>
      <translation>禁止</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>轴</translation>
    </message>
    <message>
      <source>Joint %1 %2: %3</source>
      <translation>轴%1 %2: %3</translation>
    </message>
    <message>
      <source>Joint %1: the lower limit lies above the upper limit.</source>
      <translation>轴%1: 下限高于上限。</translation>
    </message>
    <message>
      <source>Joint %1: the range leaves the constant range %2 to %3%4.</source>
      <translation>轴%1: 范围超出常时监视范围 %2 至 %3%4。</translation>
    </message>
    <message>
      <source>Lower</source>
      <translation>下限</translation>
    </message>
    <message>
      <source>Outside their limits, not shown for this target:</source>
      <translation>超出限制的值（此对象下不显示）:</translation>
    </message>
    <message>
      <source>Permitted</source>
      <translation>允许</translation>
    </message>
    <message>
      <source>Range</source>
      <translation>范围</translation>
    </message>
    <message>
      <source>Upper</source>
      <translation>上限</translation>
    </message>
  </context>
  <context>
    <name>Property::ModeSpeed</name>
    <message>
      <source>FunctionDisabled</source>
      <translation>功能无效</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>功能有效</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Enabled</source>
      <translation>高速确认模式有效</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Speed Limit</source>
      <translation>速度上限</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Stop Category</source>
      <translation>停止类别</translation>
    </message>
    <message>
      <source>Label Teach Mode Enabled</source>
      <translation>示教模式有效</translation>
    </message>
    <message>
      <source>Label Teach Mode Speed Limit</source>
      <translation>速度上限</translation>
    </message>
    <message>
      <source>Label Teach Mode Stop Category</source>
      <translation>停止类别</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>各模式速度监视</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>停止类别0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>停止类别1</translation>
    </message>
  </context>
  <context>
    <name>Property::SafetyInput</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>DiscrepancyAllowTime</source>
      <translation>不一致允许时间</translation>
    </message>
    <message>
      <source>DuplexLogic</source>
      <translation>双重化逻辑</translation>
    </message>
    <message>
      <source>FilterTime</source>
      <translation>滤波时间</translation>
    </message>
    <message>
      <source>PulseDiagnosisEnabled</source>
      <translation>脉冲诊断有效</translation>
    </message>
    <message>
      <source>Safety Input Setting</source>
      <translation>用户安全输入</translation>
    </message>
    <message>
      <source>UserSafetyInput</source>
      <translation>用户安全输入</translation>
    </message>
  </context>
  <context>
    <name>Property::SafetySignatureCRC</name>
    <message>
      <source>MonitorCRC</source>
      <translation>监视设置CRC</translation>
    </message>
    <message>
      <source>MonitorUpdateTime</source>
      <translation>监视设置更新时间</translation>
    </message>
    <message>
      <source>Safety Signature CRC</source>
      <translation>安全签名</translation>
    </message>
    <message>
      <source>SignalCRC</source>
      <translation>信号设置CRC</translation>
    </message>
    <message>
      <source>SignalUpdateTime</source>
      <translation>信号设置更新时间</translation>
    </message>
    <message>
      <source>SystemCRC</source>
      <translation>系统设置CRC</translation>
    </message>
    <message>
      <source>SystemUpdateTime</source>
      <translation>系统设置更新时间</translation>
    </message>
    <message>
      <source>WholeCRC</source>
      <translation>全部设置CRC</translation>
    </message>
    <message>
      <source>WholeUpdateTime</source>
      <translation>全部设置更新时间</translation>
    </message>
  </context>
  <context>
    <name>Property::SetPanel</name>
    <message>
      <source>Function</source>
      <translation>功能</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>功能有效</translation>
    </message>
  </context>
  <context>
    <name>Property::SettingCommon</name>
    <message>
      <source>%1 hold the same value %2.</source>
      <translation>%1 具有相同的值 %2。</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>工具</translation>
    </message>
  </context>
  <context>
    <name>Property::StopDistanceEstimation</name>
    <message>
      <source>Maker</source>
      <translation>厂商</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>规格</translation>
    </message>
    <message>
      <source>Stop Distance Estimation</source>
      <translation>停止距离估算</translation>
    </message>
    <message>
      <source>StopDistanceEstimation Maker</source>
      <translation>厂商设定值</translation>
    </message>
    <message>
      <source>User</source>
      <translation>用户</translation>
    </message>
  </context>
  <context>
    <name>Property::StopItems</name>
    <message>
      <source>Function</source>
      <translation>功能</translation>
    </message>
  </context>
  <context>
    <name>Property::StopMonitoring</name>
    <message>
      <source>CheckBox disableJoint</source>
      <translation>无效</translation>
    </message>
    <message>
      <source>CheckBox enableCheckMode</source>
      <translation>高速确认模式下有效</translation>
    </message>
    <message>
      <source>CheckBox enableRepeatMode</source>
      <translation>再现模式下有效</translation>
    </message>
    <message>
      <source>CheckBox enableTeachMode</source>
      <translation>示教模式下有效</translation>
    </message>
    <message>
      <source>Function</source>
      <translation>功能</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>功能有效</translation>
    </message>
    <message>
      <source>Label threshold for stop monitoring:</source>
      <translation>停止判定阈值:</translation>
    </message>
    <message>
      <source>Set%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>Stop Monitoring</source>
      <translation>停止监视</translation>
    </message>
    <message>
      <source>enableJoint</source>
      <translation>有效</translation>
    </message>
    <message>
      <source>targetDevice</source>
      <translation>对象设备</translation>
    </message>
    <message>
      <source>targetJoint</source>
      <translation>对象轴</translation>
    </message>
  </context>
  <context>
    <name>Property::System</name>
    <message>
      <source>CpuA</source>
      <translation>CPU A</translation>
    </message>
    <message>
      <source>CpuB</source>
      <translation>CPU B</translation>
    </message>
    <message>
      <source>CpuC</source>
      <translation>CPU C</translation>
    </message>
    <message>
      <source>Disabled</source>
      <translation>无效</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>有效</translation>
    </message>
    <message>
      <source>IP address is incorrect</source>
      <translation>IP地址不正确</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>连接目标IP地址</translation>
    </message>
    <message>
      <source>IPAddress Change Error</source>
      <translation>IP地址超出范围</translation>
    </message>
    <message>
      <source>IPAddress Change Message</source>
      <translation>变更确认</translation>
    </message>
    <message>
      <source>IPAddress Save Error</source>
      <translation>IP地址保存错误</translation>
    </message>
    <message>
      <source>IoBoards</source>
      <translation>I/O板数量</translation>
    </message>
    <message>
      <source>Label safetyNetwork</source>
      <translation>安全网络</translation>
    </message>
    <message>
      <source>OpeMode</source>
      <translation>运行模式输入</translation>
    </message>
    <message>
      <source>ParamVer</source>
      <translation>参数版本</translation>
    </message>
    <message>
      <source>Please app restart</source>
      <translation>IP地址已变更。
请重新启动应用程序。</translation>
    </message>
    <message>
      <source>Please check config file</source>
      <translation>无法将IP地址写入设置文件。
继续使用以前的地址。</translation>
    </message>
    <message>
      <source>Please check your Safety input/output signal</source>
      <translation>I/O板数量已变更。
请确认安全输入输出信号。</translation>
    </message>
    <message>
      <source>Safety IO Change Message</source>
      <translation>变更确认</translation>
    </message>
    <message>
      <source>SoftVer</source>
      <translation>软件版本</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>规格</translation>
    </message>
    <message>
      <source>Spec Automaker</source>
      <translation>汽车制造商</translation>
    </message>
    <message>
      <source>Spec Clean</source>
      <translation>洁净</translation>
    </message>
    <message>
      <source>Spec Standard</source>
      <translation>标准</translation>
    </message>
    <message>
      <source>System</source>
      <translation>系统设置</translation>
    </message>
    <message>
      <source>item Operation Panel</source>
      <translation>操作面板</translation>
    </message>
    <message>
      <source>item User</source>
      <translation>用户</translation>
    </message>
  </context>
  <context>
    <name>Property::ToolModel</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>A</source>
      <translation>A</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>复制</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>种类</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>模型编号</translation>
    </message>
    <message>
      <source>O</source>
      <translation>O</translation>
    </message>
    <message>
      <source>OAT</source>
      <translation>OAT</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>参数</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>粘贴</translation>
    </message>
    <message>
      <source>Point1</source>
      <translation>P1</translation>
    </message>
    <message>
      <source>Point2</source>
      <translation>P2</translation>
    </message>
    <message>
      <source>Radius</source>
      <translation>半径</translation>
    </message>
    <message>
      <source>T</source>
      <translation>T</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>工具</translation>
    </message>
    <message>
      <source>ToolModelSetting</source>
      <translation>工具监视模型</translation>
    </message>
    <message>
      <source>X</source>
      <translation>X</translation>
    </message>
    <message>
      <source>Y</source>
      <translation>Y</translation>
    </message>
    <message>
      <source>Z</source>
      <translation>Z</translation>
    </message>
    <message>
      <source>capsule</source>
      <translation>胶囊</translation>
    </message>
    <message>
      <source>cuboid</source>
      <translation>长方体</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>球体</translation>
    </message>
    <message>
      <source>width</source>
      <translation>宽度</translation>
    </message>
  </context>
  <context>
    <name>Property::ToolOrientation</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>Change Confirmation</source>
      <translation>更改确认</translation>
    </message>
    <message>
      <source>EulerAngleA</source>
      <translation>欧拉角A</translation>
    </message>
    <message>
      <source>EulerAngleO</source>
      <translation>欧拉角O</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>功能有效</translation>
    </message>
    <message>
      <source>HalfTopAngle</source>
      <translation>半顶角</translation>
    </message>
    <message>
      <source>Since all the ranges 1-%1 are invalid, the tool orientation monitoring set %2 is disabled.</source>
      <translation>由于范围1-%1全部无效，工具姿态监视组%2将被禁用。</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>停止类别0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>停止类别1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>ToolOrientationRange</source>
      <translation>工具姿态范围</translation>
    </message>
    <message>
      <source>ToolOrientationRangeSetting</source>
      <translation>工具姿态范围设定</translation>
    </message>
    <message>
      <source>ToolOrientationSet</source>
      <translation>工具姿态监视组</translation>
    </message>
    <message>
      <source>ToolOrientationSetSetting</source>
      <translation>工具姿态监视组设定</translation>
    </message>
    <message>
      <source>enableCheckMode</source>
      <translation>检查快进模式下有效</translation>
    </message>
    <message>
      <source>enableRepeatMode</source>
      <translation>再现模式下有效</translation>
    </message>
    <message>
      <source>enableTeachMode</source>
      <translation>示教模式下有效</translation>
    </message>
    <message>
      <source>label Stop Cat</source>
      <translation>停止类别</translation>
    </message>
  </context>
  <context>
    <name>Property::ToolSpeed</name>
    <message>
      <source>%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>复制</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>监视点</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>粘贴</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>速度监视点设定</translation>
    </message>
    <message>
      <source>Tool Speed Monitoring Points</source>
      <translation>工具上的速度监视点</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>工具编号</translation>
    </message>
  </context>
  <context>
    <name>PropertyWidget</name>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>ToolTipRangeLower</source>
      <translation>下限</translation>
    </message>
    <message>
      <source>ToolTipRangeUpper</source>
      <translation>上限</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>%1: Invalid signal number.</source>
      <translation>%1: 无效的信号编号。</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>重置</translation>
    </message>
  </context>
  <context>
    <name>SafetyReport</name>
    <message>
      <source>%1, not signed</source>
      <translation>%1，未签名</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>全部数据CRC</translation>
    </message>
    <message>
      <source>Checked by</source>
      <translation>检查人</translation>
    </message>
    <message>
      <source>Column</source>
      <translation>列</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>日期</translation>
    </message>
    <message>
      <source>Every value outside its limits, not finite or whose file text was not kept, with its number as marked on the pages. Rows and columns count from 1 as in a parameter file.</source>
      <translation>列出所有超出范围、非有限或未能按文件文本保存的值，并附上各页面上标注的编号。行和列与参数文件相同，从1开始计数。</translation>
    </message>
    <message>
      <source>Findings</source>
      <translation>发现的问题</translation>
    </message>
    <message>
      <source>Formula</source>
      <translation>运算式</translation>
    </message>
    <message>
      <source>Limits</source>
      <translation>范围</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>姓名</translation>
    </message>
    <message>
      <source>No logical operation is in use.</source>
      <translation>没有使用中的逻辑运算。</translation>
    </message>
    <message>
      <source>No.</source>
      <translation>编号</translation>
    </message>
    <message>
      <source>None.</source>
      <translation>无。</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>输出</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>页面</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>参数</translation>
    </message>
    <message>
      <source>Plan view</source>
      <translation>平面图 (XY)</translation>
    </message>
    <message>
      <source>Report date</source>
      <translation>报告日期</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>运算结果</translation>
    </message>
    <message>
      <source>Robot type</source>
      <translation>机器人型号</translation>
    </message>
    <message>
      <source>Row</source>
      <translation>行</translation>
    </message>
    <message>
      <source>Rows whose values are all 0 and within their limits are not listed.</source>
      <translation>所有值均为0且在范围内的行未列出。</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>安全报告</translation>
    </message>
    <message>
      <source>Signal assignments whose file text was not kept:</source>
      <translation>未能按文件文本保存的信号分配:</translation>
    </message>
    <message>
      <source>Signals assigned a number that is no result:</source>
      <translation>被分配了非结果编号的信号:</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>签名</translation>
    </message>
    <message>
      <source>Source</source>
      <translation>来源</translation>
    </message>
    <message>
      <source>The report shows the set as last read, or as last written to Orbilux; changes applied since then are not in it, even where they were saved to a parameter file.</source>
      <translation>本报告显示最后一次读取或最后一次写入 Orbilux 的参数；之后应用的更改不包含在内，即使已保存到参数文件。</translation>
    </message>
    <message>
      <source>The report shows the set as last read, written or saved; changes applied since then are not in it.</source>
      <translation>本报告显示最后一次读取、写入或保存的参数；之后应用的更改不包含在内。</translation>
    </message>
    <message>
      <source>The safety report was written.
Filename: %1</source>
      <translation>已写入安全报告。
文件名: %1</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>单位</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>值</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>超出范围的值</translation>
    </message>
    <message>
      <source>Values outside their limits are marked.</source>
      <translation>超出范围的值已标记。</translation>
    </message>
    <message>
      <source>Writing the safety report...</source>
      <translation>正在写入安全报告...</translation>
    </message>
    <message>
      <source>no page</source>
      <translation>无页面</translation>
    </message>
  </context>
  <context>
    <name>Scene::SceneSignals</name>
    <message>
      <source>AreaModel</source>
      <translation>区域监视模型</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>手臂监视模型</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>手臂/设备上的速度监视点</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>自定义速度监视</translation>
    </message>
    <message>
      <source>EmergencyStop</source>
      <translation>紧急停止</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>主页</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>轴</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>逻辑运算</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>各模式速度监视</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>监视</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>紧急停止</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>轴</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>轴位置</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>逻辑运算</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>动作区域</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>保护停止</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>安全输入</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>安全输出</translation>
    </message>
    <message>
      <source>MonitoringSpeed</source>
      <translation>速度</translation>
    </message>
    <message>
      <source>MonitoringStop</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>MonitoringToolId</source>
      <translation>工具ID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>工具姿态</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>网络参数</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>网络安全状态</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>网络状态</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>输出安全报告</translation>
    </message>
    <message>
      <source>ProtectiveStopSafetyFence</source>
      <translation>保护停止（安全围栏）</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>用户保护停止</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>安全输入</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>通用</translation>
    </message>
    <message>
      <source>StopDistanceEstimation</source>
      <translation>停止距离估算</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>停止监视</translation>
    </message>
    <message>
      <source>System</source>
      <translation>系统</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>工具监视模型</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>工具姿态</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>工具上的速度监视点</translation>
    </message>
  </context>
  <context>
    <name>SpeedPointDialog</name>
    <message>
      <source>Above the limit of the word: kept as stored.</source>
      <translation>超出该字上限的位：按存储值保留。</translation>
    </message>
    <message>
      <source>Bit %1</source>
      <translation>位%1</translation>
    </message>
    <message>
      <source>Bits in red lie above the limit of their word; they are kept as stored.</source>
      <translation>红色的位超出该字的上限，按存储值保留。</translation>
    </message>
    <message>
      <source>No known meaning: kept as stored.</source>
      <translation>含义未知的位：按存储值保留。</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>速度监视点</translation>
    </message>
    <message>
      <source>Word %1</source>
      <translation>字%1</translation>
    </message>
  </context>
  <context>
    <name>StartupWindow</name>
    <message>
      <source>Reading robot parameters...</source>
      <translation>正在读取机器人参数...</translation>
    </message>
  </context>
  <context>
    <name>StatusLine</name>
    <message>
      <source>All data CRC</source>
      <translation>全部数据CRC</translation>
    </message>
    <message>
      <source>All data CRC %1</source>
      <translation>全部数据 CRC %1</translation>
    </message>
    <message>
      <source>Applied changes not yet written</source>
      <translation>已应用的更改尚未写入</translation>
    </message>
    <message>
      <source>Not checked (stored as 9894): %1</source>
      <translation>未检查（存储为 9894）：%1</translation>
    </message>
    <message>
      <source>Not signed</source>
      <translation>未签名</translation>
    </message>
    <message>
      <source>Orbilux (%1)</source>
      <translation>Orbilux (%1)</translation>
    </message>
    <message>
      <source>Robot data: %1</source>
      <translation>机器人数据: %1</translation>
    </message>
    <message>
      <source>Robot data: %1, not signed</source>
      <translation>机器人数据: %1，未签名</translation>
    </message>
    <message>
      <source>Source: %1</source>
      <translation>来源: %1</translation>
    </message>
    <message>
      <source>Source: %1, not signed</source>
      <translation>来源: %1，未签名</translation>
    </message>
  </context>
  <context>
    <name>SubMenuTable</name>
    <message>
      <source>Enabled</source>
      <translation>有效</translation>
    </message>
    <message>
      <source>Item</source>
      <translation>项目</translation>
    </message>
    <message>
      <source>Visible</source>
      <translation>显示</translation>
    </message>
  </context>
  <context>
    <name>ValueValidator</name>
    <message>
      <source>%1 to %2</source>
      <translation>%1 至 %2</translation>
    </message>
    <message>
      <source>(file: %1)</source>
      <translation>(文件: %1)</translation>
    </message>
    <message>
      <source>limits %1</source>
      <translation>范围 %1</translation>
    </message>
  </context>
  <context>
    <name>WaitDialog</name>
    <message>
      <source>Writing parameters...</source>
      <translation>正在写入参数...</translation>
    </message>
  </context>
</TS>
