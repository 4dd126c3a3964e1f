<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
  <context>
    <name>AxisToCoordinateNo</name>
    <message>
      <source>Axis No</source>
      <translation>Axis No</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>Coordinate No</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>Invalid</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>Coordinate No Setting</translation>
    </message>
  </context>
  <context>
    <name>CoordinateChoice</name>
    <message>
      <source>Item Invalid</source>
      <translation>Invalid</translation>
    </message>
  </context>
  <context>
    <name>DataProvider</name>
    <message>
      <source>%1 canceled</source>
      <translation>%1 canceled</translation>
    </message>
    <message>
      <source>%1 completed</source>
      <translation>%1 completed</translation>
    </message>
    <message>
      <source>%1 error</source>
      <translation>%1 error</translation>
    </message>
    <message>
      <source>%1 timed out</source>
      <translation>%1 timed out</translation>
    </message>
    <message>
      <source>%1 values of the file's robot part were not taken: the robot data held stays</source>
      <translation>%1 values of the file's robot part were not taken: the robot data held stays</translation>
    </message>
    <message>
      <source>%1: %2 (was %3)</source>
      <translation>%1: %2 (was %3)</translation>
    </message>
    <message>
      <source>%1: 9894, not checked</source>
      <translation>%1: 9894, not checked</translation>
    </message>
    <message>
      <source>%1: file %2, held %3</source>
      <translation>%1: file %2, held %3</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>... and %1 more</translation>
    </message>
    <message>
      <source>1 value of the file's robot part was not taken: the robot data held stays</source>
      <translation>1 value of the file's robot part was not taken: the robot data held stays</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>All data CRC</translation>
    </message>
    <message>
      <source>Applied changes are not yet written. Open another file and lose them?</source>
      <translation>Applied changes are not yet written. Open another file and lose them?</translation>
    </message>
    <message>
      <source>Applied data</source>
      <translation>Applied data</translation>
    </message>
    <message>
      <source>Body InitialOBXReadError</source>
      <translation>Failed to read the safety parameters from Orbilux. The application will be closed.</translation>
    </message>
    <message>
      <source>Body NG:COMM</source>
      <translation>Communication inside the controller failed.</translation>
    </message>
    <message>
      <source>Body NG:MTRON</source>
      <translation>The robot's motors are on. Turn the motors off, then try again.</translation>
    </message>
    <message>
      <source>Body NG:ROBOTBUSY</source>
      <translation>The robot is busy. Stop the robot, then try again.</translation>
    </message>
    <message>
      <source>Body NG:R_SFPRMBIN</source>
      <translation>The user parameters of Orbilux are not initialized.</translation>
    </message>
    <message>
      <source>Body NG:SEMA</source>
      <translation>The controller is busy with another request.</translation>
    </message>
    <message>
      <source>Body can not connect</source>
      <translation>Cannot communicate with the controller.</translation>
    </message>
    <message>
      <source>Body canceled</source>
      <translation>The operation was canceled.</translation>
    </message>
    <message>
      <source>Body command error</source>
      <translation>The controller refused the command.</translation>
    </message>
    <message>
      <source>Body file format error</source>
      <translation>The file is not a valid parameter file, or its CRC does not match its data.</translation>
    </message>
    <message>
      <source>Body file read error</source>
      <translation>The file cannot be read.</translation>
    </message>
    <message>
      <source>Body file write error</source>
      <translation>The file cannot be written.</translation>
    </message>
    <message>
      <source>Body no data</source>
      <translation>The file holds no parameter data.</translation>
    </message>
    <message>
      <source>Body timeout</source>
      <translation>The controller did not answer in time.</translation>
    </message>
    <message>
      <source>Body transfer error</source>
      <translation>File transfer with the controller failed.</translation>
    </message>
    <message>
      <source>Body unknown error</source>
      <translation>An unknown error occurred.</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>Change Password</translation>
    </message>
    <message>
      <source>Differences were found: %1</source>
      <translation>Differences were found: %1</translation>
    </message>
    <message>
      <source>Failed to publish safety report.</source>
      <translation>Failed to publish safety report.</translation>
    </message>
    <message>
      <source>File</source>
      <translation>File</translation>
    </message>
    <message>
      <source>Filename: %1</source>
      <translation>Filename: %1</translation>
    </message>
    <message>
      <source>Monitor Settings CRC</source>
      <translation>Monitor Settings CRC</translation>
    </message>
    <message>
      <source>No differences were found.</source>
      <translation>No differences were found.</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>Open File</translation>
    </message>
    <message>
      <source>Orbilux</source>
      <translation>Orbilux</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>Output Parameter File</translation>
    </message>
    <message>
      <source>Parameter set read at start-up</source>
      <translation>Parameter set read at start-up</translation>
    </message>
    <message>
      <source>Read Orbilux</source>
      <translation>Read Orbilux</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>Read Robot Data</translation>
    </message>
    <message>
      <source>Read the safety parameters from Orbilux?
Changes that were not written are discarded.</source>
      <translation>Read the safety parameters from Orbilux?
Changes that were not written are discarded.</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>Safety Report</translation>
    </message>
    <message>
      <source>Safety report published. Filename: %1</source>
      <translation>Safety report published. Filename: %1</translation>
    </message>
    <message>
      <source>Signal Settings CRC</source>
      <translation>Signal Settings CRC</translation>
    </message>
    <message>
      <source>Startup default set invalid</source>
      <translation>The default parameter set %1 cannot be read: it is not a valid parameter file, or its CRC does not match its data.</translation>
    </message>
    <message>
      <source>Startup default set unreadable</source>
      <translation>The default parameter set %1 cannot be read: the file is missing, too large or cannot be opened.</translation>
    </message>
    <message>
      <source>Startup no ParameterPath</source>
      <translation>The default parameter set cannot be read: the settings file config.ini has no "ParameterPath".</translation>
    </message>
    <message>
      <source>System Settings CRC</source>
      <translation>System Settings CRC</translation>
    </message>
    <message>
      <source>The parameter file was read.
Filename: %1</source>
      <translation>The parameter file was read.
Filename: %1</translation>
    </message>
    <message>
      <source>The parameter file was written.
Filename: %1</source>
      <translation>The parameter file was written.
Filename: %1</translation>
    </message>
    <message>
      <source>The password was changed.</source>
      <translation>The password was changed.</translation>
    </message>
    <message>
      <source>The robot data file is not signed: %1</source>
      <translation>The robot data file is not signed: %1</translation>
    </message>
    <message>
      <source>The robot data was read.
Filename: %1</source>
      <translation>The robot data was read.
Filename: %1</translation>
    </message>
    <message>
      <source>The robot's motors are on.
Turn the motors off, then choose Yes to write the parameters.</source>
      <translation>The robot's motors are on.
Turn the motors off, then choose Yes to write the parameters.</translation>
    </message>
    <message>
      <source>The safety parameters were read from Orbilux.</source>
      <translation>The safety parameters were read from Orbilux.</translation>
    </message>
    <message>
      <source>The safety parameters were written to Orbilux.</source>
      <translation>The safety parameters were written to Orbilux.</translation>
    </message>
    <message>
      <source>These parameters differ.</source>
      <translation>These parameters differ.</translation>
    </message>
    <message>
      <source>Title InitialOBXReadError</source>
      <translation>Initial read error</translation>
    </message>
    <message>
      <source>Title StartupError</source>
      <translation>Start-up error</translation>
    </message>
    <message>
      <source>Title write error</source>
      <translation>Write error</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>Values outside their limits</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>Verify File</translation>
    </message>
    <message>
      <source>Verify Orbilux</source>
      <translation>Verify Orbilux</translation>
    </message>
    <message>
      <source>Whole Settings CRC</source>
      <translation>Whole Settings CRC</translation>
    </message>
    <message>
      <source>Write Orbilux</source>
      <translation>Write Orbilux</translation>
    </message>
    <message>
      <source>Write data</source>
      <translation>Write data</translation>
    </message>
    <message>
      <source>Write them anyway?</source>
      <translation>Write them anyway?</translation>
    </message>
    <message>
      <source>Write these parameters into Orbilux?</source>
      <translation>Write these parameters into Orbilux?</translation>
    </message>
  </context>
  <context>
    <name>DisplayText</name>
    <message>
      <source>… (%1 characters)</source>
      <translation>… (%1 characters)</translation>
    </message>
  </context>
  <context>
    <name>FieldBinding</name>
    <message>
      <source>Outside its limits %1 to %2</source>
      <translation>Outside its limits %1 to %2</translation>
    </message>
    <message>
      <source>file: %1</source>
      <translation>file: %1</translation>
    </message>
  </context>
  <context>
    <name>FindingCount</name>
    <message>
      <source>%1 file texts not kept</source>
      <translation>%1 file texts not kept</translation>
    </message>
    <message>
      <source>%1 values outside their limits</source>
      <translation>%1 values outside their limits</translation>
    </message>
    <message>
      <source>%1, %2</source>
      <translation>%1, %2</translation>
    </message>
    <message>
      <source>1 file text not kept</source>
      <translation>1 file text not kept</translation>
    </message>
    <message>
      <source>1 value outside its limits</source>
      <translation>1 value outside its limits</translation>
    </message>
  </context>
  <context>
    <name>FunctionMenuWidget</name>
    <message>
      <source>AreaModel</source>
      <translation>Area Monitoring Model</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>Arm Monitoring Model</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>Speed Points on Arm/Device</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>Custom Speed Monitoring</translation>
    </message>
    <message>
      <source>EtherNetIPSafety</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>Joint</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>Logical Operation</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>Speed Monitoring Each Mode</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>Monitoring</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>Emergency Stop</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>Joint</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>Joint Position</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>Logical Operation</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>Motion Area</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>Protective Stop</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>Safety Input</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>Safety Output</translation>
    </message>
    <message>
      <source>MonitoringSettingEmergencyStop</source>
      <translation>Emergency Stop</translation>
    </message>
    <message>
      <source>MonitoringSettingProtectiveStopSafetyFence</source>
      <translation>Safety Fence</translation>
    </message>
    <message>
      <source>MonitoringSettings</source>
      <translation>Monitoring Settings</translation>
    </message>
    <message>
      <source>MonitoringSpeed</source>
      <translation>Speed</translation>
    </message>
    <message>
      <source>MonitoringStop</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>MonitoringToolId</source>
      <translation>Tool ID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>Tool Orientation</translation>
    </message>
    <message>
      <source>Motion Area</source>
      <translation>Motion Area</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>Network Parameters</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>Network Safety Status</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>Network Status</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>Output SafetyReport</translation>
    </message>
    <message>
      <source>ProtectiveStop</source>
      <translation>Protective Stop</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>User Protective Stop</translation>
    </message>
    <message>
      <source>SafetyIO</source>
      <translation>Safety IO</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>Safety Input</translation>
    </message>
    <message>
      <source>SafetySignature</source>
      <translation>Safety Signature</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>Common</translation>
    </message>
    <message>
      <source>SignalSettings</source>
      <translation>Signal Settings</translation>
    </message>
    <message>
      <source>Speed</source>
      <translation>Speed</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>Status</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>Stop Monitoring</translation>
    </message>
    <message>
      <source>System</source>
      <translation>System</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>Tool Monitoring Model</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>Tool Orientation</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>Speed Points on Tool</translation>
    </message>
  </context>
  <context>
    <name>GLWidget</name>
    <message>
      <source>ParallelProjection</source>
      <translation>Parallel projection</translation>
    </message>
    <message>
      <source>PerspectiveProjection</source>
      <translation>Perspective projection</translation>
    </message>
  </context>
  <context>
    <name>IO::ComparisonView</name>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Close</translation>
    </message>
    <message>
      <source>No differences.</source>
      <translation>No differences.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Parameter comparison</source>
      <translation>Parameter comparison</translation>
    </message>
  </context>
  <context>
    <name>IO::FileDialog</name>
    <message>
      <source>%1 already exists. Replace it?</source>
      <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Export Safety Report</source>
      <translation>Export Safety Report</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>File name:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>Open File</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>Output Parameter File</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>Read Robot Data</translation>
    </message>
    <message>
      <source>The robot data is read from Orbilux.</source>
      <translation>The robot data is read from Orbilux.</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>Verify File</translation>
    </message>
  </context>
  <context>
    <name>IO::PasswordDialog</name>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>Change Password</translation>
    </message>
    <message>
      <source>Current password:</source>
      <translation>Current password:</translation>
    </message>
    <message>
      <source>New password:</source>
      <translation>New password:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Password</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Password:</translation>
    </message>
  </context>
  <context>
    <name>LogicAssignmentTree</name>
    <message>
      <source>Driven by</source>
      <translation>Driven by</translation>
    </message>
    <message>
      <source>Driven by result %1; take it off there first.</source>
      <translation>Driven by result %1; take it off there first.</translation>
    </message>
    <message>
      <source>Internal safety inputs</source>
      <translation>Internal safety inputs</translation>
    </message>
    <message>
      <source>Network safety outputs</source>
      <translation>Network safety outputs</translation>
    </message>
    <message>
      <source>Signal</source>
      <translation>Signal</translation>
    </message>
    <message>
      <source>User safety outputs</source>
      <translation>User safety outputs</translation>
    </message>
  </context>
  <context>
    <name>LogicCheck</name>
    <message>
      <source>%1 takes one input; input 2 must be empty.</source>
      <translation>%1 takes one input; input 2 must be empty.</translation>
    </message>
    <message>
      <source>Driven by result %1, whose operation is unused.</source>
      <translation>Driven by result %1, whose operation is unused.</translation>
    </message>
    <message>
      <source>Drives %1, but the operation is unused.</source>
      <translation>Drives %1, but the operation is unused.</translation>
    </message>
    <message>
      <source>Drives internal safety input entry %1, which names no signal.</source>
      <translation>Drives internal safety input entry %1, which names no signal.</translation>
    </message>
    <message>
      <source>Input %1 is missing.</source>
      <translation>Input %1 is missing.</translation>
    </message>
    <message>
      <source>Input %1 reads result %2, whose operation is unused.</source>
      <translation>Input %1 reads result %2, whose operation is unused.</translation>
    </message>
    <message>
      <source>Input %1 reads the later result %2.</source>
      <translation>Input %1 reads the later result %2.</translation>
    </message>
    <message>
      <source>Input %1 reads this operation's own result.</source>
      <translation>Input %1 reads this operation's own result.</translation>
    </message>
    <message>
      <source>Input %1: %2 is no input signal.</source>
      <translation>Input %1: %2 is no input signal.</translation>
    </message>
    <message>
      <source>Internal safety input entry %1 holds %2 but names no signal.</source>
      <translation>Internal safety input entry %1 holds %2 but names no signal.</translation>
    </message>
    <message>
      <source>Operation type %1 is unknown; it is kept as stored.</source>
      <translation>Operation type %1 is unknown; it is kept as stored.</translation>
    </message>
    <message>
      <source>Takes part in a cycle of the results %1.</source>
      <translation>Takes part in a cycle of the results %1.</translation>
    </message>
  </context>
  <context>
    <name>LogicItemDelegate</name>
    <message>
      <source>%1 signals begin with "%2"; choose one from the list.</source>
      <translation>%1 signals begin with "%2"; choose one from the list.</translation>
    </message>
    <message>
      <source>No input signal is named "%1".</source>
      <translation>No input signal is named "%1".</translation>
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
      <translation>(Invalid)</translation>
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
      <translation>Thru</translation>
    </message>
    <message>
      <source>OpXor</source>
      <translation>XOR</translation>
    </message>
    <message>
      <source>Signal1-400</source>
      <translation>Logical Operation Result</translation>
    </message>
    <message>
      <source>Signal1001</source>
      <translation>~TP Emergency Stop</translation>
    </message>
    <message>
      <source>Signal1001-1010</source>
      <translation>Fixed Safety Input</translation>
    </message>
    <message>
      <source>Signal1002</source>
      <translation>TP Enable</translation>
    </message>
    <message>
      <source>Signal1003</source>
      <translation>Operation Panel Teach/Repeat Mode</translation>
    </message>
    <message>
      <source>Signal1004</source>
      <translation>Operation Panel Fast Check Mode</translation>
    </message>
    <message>
      <source>Signal1005</source>
      <translation>2AP Board Master/Secondary Enable</translation>
    </message>
    <message>
      <source>Signal1006</source>
      <translation>~Operation Panel Emergency Stop</translation>
    </message>
    <message>
      <source>Signal1007</source>
      <translation>~External Emergency Stop</translation>
    </message>
    <message>
      <source>Signal1008</source>
      <translation>~Safety Fence 1 Opened</translation>
    </message>
    <message>
      <source>Signal1009</source>
      <translation>~Safety Fence 2 Opened</translation>
    </message>
    <message>
      <source>Signal1010</source>
      <translation>External Enable</translation>
    </message>
    <message>
      <source>Signal1101-1132</source>
      <translation>User Safety Input</translation>
    </message>
    <message>
      <source>Signal1501-1564</source>
      <translation>Network Safety Input</translation>
    </message>
    <message>
      <source>Signal2001</source>
      <translation>~Motor Power Shutoff Command Performed 1</translation>
    </message>
    <message>
      <source>Signal2001-2162</source>
      <translation>Internal Safety Output</translation>
    </message>
    <message>
      <source>Signal2002</source>
      <translation>~Motor Power Shutoff Command Performed 2</translation>
    </message>
    <message>
      <source>Signal2003-2018</source>
      <translation>Inside Motion Permission Area</translation>
    </message>
    <message>
      <source>Signal2019</source>
      <translation>Inside Motion Permission Constant Joint Range</translation>
    </message>
    <message>
      <source>Signal2020-2037</source>
      <translation>Inside Motion Permission Selective Joint Range</translation>
    </message>
    <message>
      <source>Signal2038</source>
      <translation>Within Motion Permission Teach Mode Speed</translation>
    </message>
    <message>
      <source>Signal2039</source>
      <translation>Within Motion Permission Fast Check Mode Speed</translation>
    </message>
    <message>
      <source>Signal2040-2057</source>
      <translation>Within Motion Permission User Speed</translation>
    </message>
    <message>
      <source>Signal2058-2065</source>
      <translation>Inside Motion Permission Tool Orientation Range</translation>
    </message>
    <message>
      <source>Signal2066-2083</source>
      <translation>~Stop Monitoring Being Input</translation>
    </message>
    <message>
      <source>Signal2084-2101</source>
      <translation>In Stop Monitoring</translation>
    </message>
    <message>
      <source>Signal2102</source>
      <translation>~SW Safety Fence Opened Being Input</translation>
    </message>
    <message>
      <source>Signal2103-2120</source>
      <translation>~User Protective Stop Being Input</translation>
    </message>
    <message>
      <source>Signal2121-2138</source>
      <translation>In User Protective Stop</translation>
    </message>
    <message>
      <source>Signal2139</source>
      <translation>~SW External Emergency Stop Being Input</translation>
    </message>
    <message>
      <source>Signal2140-2157</source>
      <translation>~User Emergency Stop Being Input</translation>
    </message>
    <message>
      <source>Signal2158</source>
      <translation>In Teach Mode</translation>
    </message>
    <message>
      <source>Signal2159</source>
      <translation>In Fast Check Mode</translation>
    </message>
    <message>
      <source>Signal2160</source>
      <translation>In Repeat Mode</translation>
    </message>
    <message>
      <source>Signal2161</source>
      <translation>~Safety Signature Alarm</translation>
    </message>
    <message>
      <source>Signal2162</source>
      <translation>Always ON</translation>
    </message>
    <message>
      <source>Signal3001</source>
      <translation>~Motor Power Shutoff</translation>
    </message>
    <message>
      <source>Signal3001-3003</source>
      <translation>Fixed Safety Output</translation>
    </message>
    <message>
      <source>Signal3002</source>
      <translation>~Motor Brake Power Shutoff</translation>
    </message>
    <message>
      <source>Signal3003</source>
      <translation>Motor Power Normal</translation>
    </message>
    <message>
      <source>Signal60001</source>
      <translation>User Teach/Repeat Mode</translation>
    </message>
    <message>
      <source>Signal60001-60157</source>
      <translation>Internal Safety Input</translation>
    </message>
    <message>
      <source>Signal60002</source>
      <translation>User Fast Check Mode</translation>
    </message>
    <message>
      <source>Signal60003-60007</source>
      <translation>Tool ID</translation>
    </message>
    <message>
      <source>Signal60008-60023</source>
      <translation>Disabling Motion Area Monitoring Protective Stop</translation>
    </message>
    <message>
      <source>Signal60024-60041</source>
      <translation>Disabling Selective Joint Monitoring Protective Stop</translation>
    </message>
    <message>
      <source>Signal60042-60059</source>
      <translation>Disabling User Speed Monitoring Protective Stop</translation>
    </message>
    <message>
      <source>Signal60060-60067</source>
      <translation>Disabling Tool Orientation Monitoring Protective Stop</translation>
    </message>
    <message>
      <source>Signal60068-60085</source>
      <translation>~Stop Monitoring</translation>
    </message>
    <message>
      <source>Signal60086</source>
      <translation>~SW Safety Fence Opened</translation>
    </message>
    <message>
      <source>Signal60087-60104</source>
      <translation>~User Protective Stop</translation>
    </message>
    <message>
      <source>Signal60105</source>
      <translation>~SW External Emergency Stop</translation>
    </message>
    <message>
      <source>Signal60106-60123</source>
      <translation>~User Emergency Stop</translation>
    </message>
    <message>
      <source>Signal60124</source>
      <translation>SW External Enable</translation>
    </message>
    <message>
      <source>Signal60125</source>
      <translation>Resetting Safety Signature Alarm</translation>
    </message>
    <message>
      <source>Signal60126-60157</source>
      <translation>Welding Check for User Safety Output</translation>
    </message>
    <message>
      <source>Signal60501-60532</source>
      <translation>User Safety Output</translation>
    </message>
    <message>
      <source>Signal60533</source>
      <translation>User Safety Output 101</translation>
    </message>
    <message>
      <source>Signal60601-60664</source>
      <translation>Network Safety Output</translation>
    </message>
  </context>
  <context>
    <name>LogicTableModel</name>
    <message>
      <source>Check</source>
      <translation>Check</translation>
    </message>
    <message>
      <source>Drives</source>
      <translation>Drives</translation>
    </message>
    <message>
      <source>Input 1</source>
      <translation>Input 1</translation>
    </message>
    <message>
      <source>Input 2</source>
      <translation>Input 2</translation>
    </message>
    <message>
      <source>Operation</source>
      <translation>Operation</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Result</translation>
    </message>
  </context>
  <context>
    <name>LogicalOp</name>
    <message>
      <source>Apply</source>
      <translation>Apply</translation>
    </message>
    <message>
      <source>Apply is blocked by errors (%1); the first is at result %2.</source>
      <translation>Apply is blocked by errors (%1); the first is at result %2.</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Clear operation</source>
      <translation>Clear operation</translation>
    </message>
    <message>
      <source>Operations in use: %1   Errors: %2   Warnings: %3</source>
      <translation>Operations in use: %1   Errors: %2   Warnings: %3</translation>
    </message>
    <message>
      <source>Result %1 = %2</source>
      <translation>Result %1 = %2</translation>
    </message>
    <message>
      <source>Result %1 drives these signals. OK clears the operation and takes them off it; Cancel keeps everything.</source>
      <translation>Result %1 drives these signals. OK clears the operation and takes them off it; Cancel keeps everything.</translation>
    </message>
    <message>
      <source>Result %1 is unused.</source>
      <translation>Result %1 is unused.</translation>
    </message>
    <message>
      <source>Show only results in use</source>
      <translation>Show only results in use</translation>
    </message>
  </context>
  <context>
    <name>LogicalOpDialog</name>
    <message>
      <source>LogicalOperation</source>
      <translation>Logical Operation</translation>
    </message>
  </context>
  <context>
    <name>LongMessageBox</name>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Close confirmation</source>
      <translation>Close confirmation</translation>
    </message>
    <message>
      <source>Label CostBar</source>
      <translation>Remaining</translation>
    </message>
    <message>
      <source>No</source>
      <translation>No</translation>
    </message>
    <message>
      <source>Sets up the safety monitoring unit of a robot controller.</source>
      <translation>Sets up the safety monitoring unit of a robot controller.</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to save it to a file?</source>
      <translation>Updated data for safety parameters exists. Do you want to save it to a file?</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to write to Orbilux?</source>
      <translation>Updated data for safety parameters exists. Do you want to write to Orbilux?</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>Yes</translation>
    </message>
  </context>
  <context>
    <name>MenuBar</name>
    <message>
      <source>Change Password(&amp;P)</source>
      <translation>Change Password(&amp;P)...</translation>
    </message>
    <message>
      <source>Chinese(&amp;C)</source>
      <translation>Chinese(&amp;C)</translation>
    </message>
    <message>
      <source>English(&amp;E)</source>
      <translation>English(&amp;E)</translation>
    </message>
    <message>
      <source>Export Safety Report(&amp;E)</source>
      <translation>&amp;Export Safety Report...</translation>
    </message>
    <message>
      <source>File(&amp;F)</source>
      <translation>File(&amp;F)</translation>
    </message>
    <message>
      <source>Japanese(&amp;J)</source>
      <translation>Japanese(&amp;J)</translation>
    </message>
    <message>
      <source>Korean(&amp;K)</source>
      <translation>Korean(&amp;K)</translation>
    </message>
    <message>
      <source>Language Change Message</source>
      <translation>Language Change Message</translation>
    </message>
    <message>
      <source>Language(&amp;L)</source>
      <translation>Language(&amp;L)</translation>
    </message>
    <message>
      <source>Open File(&amp;O)</source>
      <translation>Open File(&amp;O)...</translation>
    </message>
    <message>
      <source>Orbilux(&amp;C)</source>
      <translation>Orbilux(&amp;C)</translation>
    </message>
    <message>
      <source>Output ParameterFile(&amp;S)</source>
      <translation>Output ParameterFile(&amp;S)...</translation>
    </message>
    <message>
      <source>ParallelProjection(&amp;L)</source>
      <translation>ParallelProjection(&amp;L)</translation>
    </message>
    <message>
      <source>PerspectiveProjection(&amp;S)</source>
      <translation>PerspectiveProjection(&amp;S)</translation>
    </message>
    <message>
      <source>Plane(&amp;N)</source>
      <translation>Plane(&amp;N)</translation>
    </message>
    <message>
      <source>Projection(&amp;J)</source>
      <translation>Projection(&amp;J)</translation>
    </message>
    <message>
      <source>Read Orbilux(&amp;R)</source>
      <translation>Read Orbilux(&amp;R)</translation>
    </message>
    <message>
      <source>Read RobotData(&amp;B)</source>
      <translation>Read Robot Data(&amp;B)</translation>
    </message>
    <message>
      <source>Reset(&amp;0)</source>
      <translation>Reset(&amp;0)</translation>
    </message>
    <message>
      <source>Setting(&amp;S)</source>
      <translation>Setting(&amp;S)</translation>
    </message>
    <message>
      <source>The language change will be reflected on the next startup.</source>
      <translation>The language change will be reflected on the next startup.</translation>
    </message>
    <message>
      <source>Verify File(&amp;V)</source>
      <translation>Verify File(&amp;V)...</translation>
    </message>
    <message>
      <source>Verify Orbilux(&amp;V)</source>
      <translation>Verify Orbilux(&amp;V)</translation>
    </message>
    <message>
      <source>View(&amp;V)</source>
      <translation>View(&amp;V)</translation>
    </message>
    <message>
      <source>Write Orbilux(&amp;W)</source>
      <translation>Write Orbilux(&amp;W)...</translation>
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
      <translation>Signal Name</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>Status</translation>
    </message>
  </context>
  <context>
    <name>MonitoringDialog</name>
    <message>
      <source>Monitoring</source>
      <translation>Monitoring</translation>
    </message>
  </context>
  <context>
    <name>MonitoringFooter</name>
    <message>
      <source>Display</source>
      <translation>Display</translation>
    </message>
    <message>
      <source>OverrideFunction</source>
      <translation>Override Function</translation>
    </message>
  </context>
  <context>
    <name>MonitoringHeader</name>
    <message>
      <source>Button%1</source>
      <translation>Safety Software %1</translation>
    </message>
  </context>
  <context>
    <name>MonitoringJointPosition</name>
    <message>
      <source>CurrentFlangePosition</source>
      <translation>Current Position (Flange Point)</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>Joint</translation>
    </message>
    <message>
      <source>PV</source>
      <translation>Pres. Val</translation>
    </message>
    <message>
      <source>SV</source>
      <translation>Set Val</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unit</translation>
    </message>
  </context>
  <context>
    <name>MonitoringLogicalOperation</name>
    <message>
      <source>... and %1 more assignments</source>
      <translation>... and %1 more assignments</translation>
    </message>
    <message>
      <source>IN1</source>
      <translation>IN1</translation>
    </message>
    <message>
      <source>IN2</source>
      <translation>IN2</translation>
    </message>
    <message>
      <source>OP</source>
      <translation>OP</translation>
    </message>
    <message>
      <source>OUT</source>
      <translation>Assign</translation>
    </message>
    <message>
      <source>ResultNo</source>
      <translation>ResultNo</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>Status</translation>
    </message>
  </context>
  <context>
    <name>MonitoringMotionArea</name>
    <message>
      <source>Arm</source>
      <translation>Arm</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>Signal Name</translation>
    </message>
    <message>
      <source>SignalName%1_en</source>
      <translation>Inside Motion
Permission Area %1</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>Status</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>Tool</translation>
    </message>
  </context>
  <context>
    <name>MonitoringSafetyIO</name>
    <message>
      <source>Fixed</source>
      <translation>Fixed</translation>
    </message>
    <message>
      <source>Internal</source>
      <translation>Internal</translation>
    </message>
    <message>
      <source>Network</source>
      <translation>Network</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>Signal Name</translation>
    </message>
    <message>
      <source>SignalNo</source>
      <translation>Signal No</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>Status</translation>
    </message>
    <message>
      <source>User</source>
      <translation>User</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolId</name>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>Security softwareA</source>
      <translation>Security softwareA:Tool number specified by the robot (RZ)</translation>
    </message>
    <message>
      <source>Security softwareB</source>
      <translation>Security softwareB:Tool number currently being monitored by the security software</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>Tool Number</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>Value</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolOrientation</name>
    <message>
      <source>SignalName%1_en</source>
      <translation>Tool Orientation Range %1</translation>
    </message>
    <message>
      <source>SignalNameColumnLabel_en</source>
      <translation>Signal Name - Motion Permission</translation>
    </message>
  </context>
  <context>
    <name>MsgBox</name>
    <message>
      <source>Are you sure you want to clear input ? 
 If not please update.</source>
      <translation>Are you sure you want to clear input?
If not please update.</translation>
    </message>
    <message>
      <source>Body UnsupportedModelError</source>
      <translation>The app will be closed because the model is not supported.</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Clear Input</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Device Change Message</source>
      <translation>Change Confirmation</translation>
    </message>
    <message>
      <source>No</source>
      <translation>No</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Please check your targetDevice (targetDevice change)</source>
      <translation>The monitoring target has changed.
The robot or device before change is no longer monitored.</translation>
    </message>
    <message>
      <source>Title UnsupportedModelError</source>
      <translation>Model unsupported error</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>Yes</translation>
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
      <translation>NW Parameter Reset</translation>
    </message>
    <message>
      <source>OCPUNID (Owner UNID)</source>
      <translation>OCPUNID (Owner UNID)</translation>
    </message>
    <message>
      <source>Parameters not reset.</source>
      <translation>The parameters were not reset.
The unit is not connected or did not accept the command.</translation>
    </message>
    <message>
      <source>Parameters reset. Reboot.</source>
      <translation>Parameters reset.  
Turn controller power OFF and ON.</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Reset</translation>
    </message>
    <message>
      <source>SCID (Safety Configuration Identifier)</source>
      <translation>SCID (Safety Configuration Identifier)</translation>
    </message>
    <message>
      <source>SNN</source>
      <translation>SNN</translation>
    </message>
    <message>
      <source>TUNID (Target UNID)</source>
      <translation>TUNID (Target UNID)</translation>
    </message>
    <message>
      <source>nodeId</source>
      <translation>nodeId</translation>
    </message>
    <message>
      <source>time-date</source>
      <translation>time-date</translation>
    </message>
  </context>
  <context>
    <name>NetworkSafetyStatus</name>
    <message>
      <source>Connected</source>
      <translation>Connected</translation>
    </message>
    <message>
      <source>ConnectionStatus</source>
      <translation>Connection Status</translation>
    </message>
    <message>
      <source>Disconnected</source>
      <translation>Disconnected</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>IP Address</translation>
    </message>
    <message>
      <source>MacAddress</source>
      <translation>MAC Address</translation>
    </message>
    <message>
      <source>ModuleStatusLED</source>
      <translation>Module Status</translation>
    </message>
    <message>
      <source>NetworkStatusLED</source>
      <translation>Network Status</translation>
    </message>
    <message>
      <source>PortInfo</source>
      <translation>Port</translation>
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
      <translation>Configuration Assembly Instance</translation>
    </message>
    <message>
      <source>DeviceType</source>
      <translation>DeviceType</translation>
    </message>
    <message>
      <source>Input Assembly Instance</source>
      <translation>Input Assembly Instance</translation>
    </message>
    <message>
      <source>Major Version</source>
      <translation>Major Version</translation>
    </message>
    <message>
      <source>Minor Version</source>
      <translation>Minor Version</translation>
    </message>
    <message>
      <source>Output Assembly Instance</source>
      <translation>Output Assembly Instance</translation>
    </message>
    <message>
      <source>ProductCode</source>
      <translation>ProductCode</translation>
    </message>
    <message>
      <source>Safety Input</source>
      <translation>Safety Input</translation>
    </message>
    <message>
      <source>Safety Output</source>
      <translation>Safety Output</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Size</translation>
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
      <translation>Device</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Confirm</source>
      <translation>The remaining processing capacity is low.
Please review the number of monitoring settings.</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Disable</source>
      <translation>The remaining processing capacity is insufficient.
The area monitoring settings have been disabled.</translation>
    </message>
    <message>
      <source>Modal Title Cost Over</source>
      <translation>Monitoring Area Error</translation>
    </message>
    <message>
      <source>No Device</source>
      <translation>No Device</translation>
    </message>
    <message>
      <source>Robot</source>
      <translation>Robot</translation>
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
      <translation>Common</translation>
    </message>
    <message>
      <source>string10</source>
      <translation>Joint Monitoring Function</translation>
    </message>
    <message>
      <source>string100</source>
      <translation>Tool Orientation Range Setting %1</translation>
    </message>
    <message>
      <source>string101</source>
      <translation>Protective Stop Enable/Disable</translation>
    </message>
    <message>
      <source>string102</source>
      <translation>Enable/Disable in Teach Mode</translation>
    </message>
    <message>
      <source>string103</source>
      <translation>Enable/Disable in Fast Check Mode</translation>
    </message>
    <message>
      <source>string104</source>
      <translation>Enable/Disable in Repeat Mode</translation>
    </message>
    <message>
      <source>string105</source>
      <translation>Target Robot/Device</translation>
    </message>
    <message>
      <source>string106</source>
      <translation>Target Joint</translation>
    </message>
    <message>
      <source>string107</source>
      <translation>SW Safety Fence Enable/Disable</translation>
    </message>
    <message>
      <source>string108</source>
      <translation>SW External Emergency Stop Enable/Disable</translation>
    </message>
    <message>
      <source>string109</source>
      <translation>User Safety Input %1</translation>
    </message>
    <message>
      <source>string11</source>
      <translation>Speed Monitoring Function</translation>
    </message>
    <message>
      <source>string110</source>
      <translation>Logical Formula %1</translation>
    </message>
    <message>
      <source>string111</source>
      <translation>Internal Safety Input %1</translation>
    </message>
    <message>
      <source>string112</source>
      <translation>User Safety Output %1</translation>
    </message>
    <message>
      <source>string113</source>
      <translation>Network Safety Output %1</translation>
    </message>
    <message>
      <source>string114</source>
      <translation>Coordinate System Type</translation>
    </message>
    <message>
      <source>string115</source>
      <translation>Joint Number</translation>
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
      <translation>Tool Orientation Monitoring Function</translation>
    </message>
    <message>
      <source>string120</source>
      <translation>α</translation>
    </message>
    <message>
      <source>string121</source>
      <translation>Reference Joint</translation>
    </message>
    <message>
      <source>string122</source>
      <translation>Correction Value</translation>
    </message>
    <message>
      <source>string123</source>
      <translation>Correction Mode</translation>
    </message>
    <message>
      <source>string124</source>
      <translation>Buffer 0</translation>
    </message>
    <message>
      <source>string125</source>
      <translation>Buffer 1</translation>
    </message>
    <message>
      <source>string126</source>
      <translation>Buffer 2</translation>
    </message>
    <message>
      <source>string127</source>
      <translation>Buffer 3</translation>
    </message>
    <message>
      <source>string128</source>
      <translation>Buffer 4</translation>
    </message>
    <message>
      <source>string129</source>
      <translation>Buffer 5</translation>
    </message>
    <message>
      <source>string13</source>
      <translation>Stop Monitoring Function</translation>
    </message>
    <message>
      <source>string130</source>
      <translation>Buffer 6</translation>
    </message>
    <message>
      <source>string131</source>
      <translation>Buffer 7</translation>
    </message>
    <message>
      <source>string132</source>
      <translation>Buffer 8</translation>
    </message>
    <message>
      <source>string133</source>
      <translation>Buffer 9</translation>
    </message>
    <message>
      <source>string134</source>
      <translation>Joint Type</translation>
    </message>
    <message>
      <source>string135</source>
      <translation>Resolution</translation>
    </message>
    <message>
      <source>string136</source>
      <translation>Rotation Offset</translation>
    </message>
    <message>
      <source>string137</source>
      <translation>Zeroing Value</translation>
    </message>
    <message>
      <source>string138</source>
      <translation>Difference Check Threshold</translation>
    </message>
    <message>
      <source>string139</source>
      <translation>Encoder Value Jump Check Threshold</translation>
    </message>
    <message>
      <source>string14</source>
      <translation>Protective Stop Function</translation>
    </message>
    <message>
      <source>string140</source>
      <translation>Check Tolerance at Power-On</translation>
    </message>
    <message>
      <source>string141</source>
      <translation>Free Running Time</translation>
    </message>
    <message>
      <source>string142</source>
      <translation>Braking Deceleration</translation>
    </message>
    <message>
      <source>string143</source>
      <translation>Sphere/Capsule %1</translation>
    </message>
    <message>
      <source>string144</source>
      <translation>Sphere/Capsule/Cuboid %1</translation>
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
      <translation>Monitoring Point %1</translation>
    </message>
    <message>
      <source>string148</source>
      <translation>Speed Type</translation>
    </message>
    <message>
      <source>string149</source>
      <translation>Target Joint Enable/Disable</translation>
    </message>
    <message>
      <source>string15</source>
      <translation>Emergency Stop Function</translation>
    </message>
    <message>
      <source>string150</source>
      <translation>Half Apex Angle</translation>
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
      <translation>in Teach Mode</translation>
    </message>
    <message>
      <source>string154</source>
      <translation>in Fast Check Mode</translation>
    </message>
    <message>
      <source>string155</source>
      <translation>in Repeat Mode</translation>
    </message>
    <message>
      <source>string156</source>
      <translation>Pulse Diagnostics</translation>
    </message>
    <message>
      <source>string157</source>
      <translation>Filter Time</translation>
    </message>
    <message>
      <source>string158</source>
      <translation>Duplex Logic</translation>
    </message>
    <message>
      <source>string159</source>
      <translation>Discrepancy Tolerance Time</translation>
    </message>
    <message>
      <source>string16</source>
      <translation>Safety Input</translation>
    </message>
    <message>
      <source>string160</source>
      <translation>Operation Type</translation>
    </message>
    <message>
      <source>string161</source>
      <translation>Operation Input 1</translation>
    </message>
    <message>
      <source>string162</source>
      <translation>Operation Input 2</translation>
    </message>
    <message>
      <source>string163</source>
      <translation>in Fast Check/Repeat Mode</translation>
    </message>
    <message>
      <source>string164</source>
      <translation>Coordinate System Number</translation>
    </message>
    <message>
      <source>string165</source>
      <translation>Type</translation>
    </message>
    <message>
      <source>string166</source>
      <translation>Radius</translation>
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
      <translation>Logical Operation</translation>
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
      <translation>X Dimension</translation>
    </message>
    <message>
      <source>string174</source>
      <translation>Y Dimension</translation>
    </message>
    <message>
      <source>string175</source>
      <translation>Z Dimension</translation>
    </message>
    <message>
      <source>string176</source>
      <translation>T</translation>
    </message>
    <message>
      <source>string177</source>
      <translation>Upper Limit</translation>
    </message>
    <message>
      <source>string178</source>
      <translation>Lower Limit</translation>
    </message>
    <message>
      <source>string179</source>
      <translation>Joint Range Enable/Disable</translation>
    </message>
    <message>
      <source>string18</source>
      <translation>Assignment</translation>
    </message>
    <message>
      <source>string180</source>
      <translation>Permitted/Fobidden Joint Range</translation>
    </message>
    <message>
      <source>string181</source>
      <translation>Joint Range Upper Limit</translation>
    </message>
    <message>
      <source>string182</source>
      <translation>Joint Range Lower Limit</translation>
    </message>
    <message>
      <source>string183</source>
      <translation>Z</translation>
    </message>
    <message>
      <source>string184</source>
      <translation>Stop Monitoring</translation>
    </message>
    <message>
      <source>string185</source>
      <translation>Coordinate System</translation>
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
      <translation>Specification</translation>
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
      <translation>Area Monitoring Model</translation>
    </message>
    <message>
      <source>string198</source>
      <translation>Tool Orientation Range Setting</translation>
    </message>
    <message>
      <source>string199</source>
      <translation>Teach Mode Stop Category 0 Free Running Time</translation>
    </message>
    <message>
      <source>string2</source>
      <translation>Robot/Device</translation>
    </message>
    <message>
      <source>string20</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>string200</source>
      <translation>Teach Mode Stop Category 0 Braking Deceleration</translation>
    </message>
    <message>
      <source>string201</source>
      <translation>Fast Check/Repeat Mode Stop Category 0 Free Running Time</translation>
    </message>
    <message>
      <source>string202</source>
      <translation>Fast Check/Repeat Mode Stop Category 0 Braking Deceleration</translation>
    </message>
    <message>
      <source>string203</source>
      <translation>Stop Category 1 Free Running Time</translation>
    </message>
    <message>
      <source>string204</source>
      <translation>Maker Setting Stop Category 1 Braking Deceleration</translation>
    </message>
    <message>
      <source>string205</source>
      <translation>User Setting Stop Category 1 Braking Deceleration</translation>
    </message>
    <message>
      <source>string206</source>
      <translation>Vertex Coordinate X</translation>
    </message>
    <message>
      <source>string207</source>
      <translation>Vertex Coordinate Y</translation>
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
      <translation>Serial Number</translation>
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
      <translation>DH Parameters</translation>
    </message>
    <message>
      <source>string23</source>
      <translation>Induction Correction</translation>
    </message>
    <message>
      <source>string24</source>
      <translation>Coordinate System Correction</translation>
    </message>
    <message>
      <source>string25</source>
      <translation>Special Correction</translation>
    </message>
    <message>
      <source>string26</source>
      <translation>Joint Settings</translation>
    </message>
    <message>
      <source>string27</source>
      <translation>Number of Boards</translation>
    </message>
    <message>
      <source>string28</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>string29</source>
      <translation>Input Setting</translation>
    </message>
    <message>
      <source>string3</source>
      <translation>Safety I/O Board</translation>
    </message>
    <message>
      <source>string30</source>
      <translation>Joint %1</translation>
    </message>
    <message>
      <source>string31</source>
      <translation>Encoder Diagnostics</translation>
    </message>
    <message>
      <source>string32</source>
      <translation>Tool ID Specification</translation>
    </message>
    <message>
      <source>string33</source>
      <translation>Tool ID Conversion Table</translation>
    </message>
    <message>
      <source>string34</source>
      <translation>Movement Distance Tolerance During Tool Discrepancy</translation>
    </message>
    <message>
      <source>string35</source>
      <translation>Tool %1</translation>
    </message>
    <message>
      <source>string36</source>
      <translation>Deceleration Monitoring</translation>
    </message>
    <message>
      <source>string37</source>
      <translation>Stop Target</translation>
    </message>
    <message>
      <source>string38</source>
      <translation>Stop Distance Estimation</translation>
    </message>
    <message>
      <source>string39</source>
      <translation>Arm Monitoring Sphere/Capsule</translation>
    </message>
    <message>
      <source>string4</source>
      <translation>Safety Network</translation>
    </message>
    <message>
      <source>string40</source>
      <translation>Tool Monitoring Sphere/Capsule/Cuboid</translation>
    </message>
    <message>
      <source>string41</source>
      <translation>Set %1</translation>
    </message>
    <message>
      <source>string42</source>
      <translation>Constant Joint Monitoring</translation>
    </message>
    <message>
      <source>string43</source>
      <translation>Selective Joint Monitoring</translation>
    </message>
    <message>
      <source>string44</source>
      <translation>Speed Monitoring Points on Arm/Device</translation>
    </message>
    <message>
      <source>string45</source>
      <translation>Speed Monitoring Points on Tool</translation>
    </message>
    <message>
      <source>string46</source>
      <translation>Teach Mode Speed Monitoring</translation>
    </message>
    <message>
      <source>string47</source>
      <translation>Fast Check Mode Speed Monitoring</translation>
    </message>
    <message>
      <source>string48</source>
      <translation>User Speed Monitoring</translation>
    </message>
    <message>
      <source>string49</source>
      <translation>Safety Fence Protective Stop</translation>
    </message>
    <message>
      <source>string5</source>
      <translation>Operation Mode</translation>
    </message>
    <message>
      <source>string50</source>
      <translation>User Protective Stop</translation>
    </message>
    <message>
      <source>string51</source>
      <translation>TP Emergency Stop</translation>
    </message>
    <message>
      <source>string52</source>
      <translation>Operation Panel Emergency Stop</translation>
    </message>
    <message>
      <source>string53</source>
      <translation>External/SW External Emergency Stop</translation>
    </message>
    <message>
      <source>string54</source>
      <translation>Op Panel/External/SW External Emergency Stop</translation>
    </message>
    <message>
      <source>string55</source>
      <translation>User Emergency Stop</translation>
    </message>
    <message>
      <source>string56</source>
      <translation>User Safety Inputs</translation>
    </message>
    <message>
      <source>string57</source>
      <translation>Logical Formulas</translation>
    </message>
    <message>
      <source>string58</source>
      <translation>Internal Safety Inputs</translation>
    </message>
    <message>
      <source>string59</source>
      <translation>User Safety Outputs</translation>
    </message>
    <message>
      <source>string6</source>
      <translation>Self Diagnostics</translation>
    </message>
    <message>
      <source>string60</source>
      <translation>Network Safety Outputs</translation>
    </message>
    <message>
      <source>string61</source>
      <translation>Name %1</translation>
    </message>
    <message>
      <source>string62</source>
      <translation>Device %1</translation>
    </message>
    <message>
      <source>string63</source>
      <translation>Assignment %1</translation>
    </message>
    <message>
      <source>string64</source>
      <translation>Coordinate System %1</translation>
    </message>
    <message>
      <source>string65</source>
      <translation>Special Correction %1</translation>
    </message>
    <message>
      <source>string66</source>
      <translation>Enable/Disable</translation>
    </message>
    <message>
      <source>string67</source>
      <translation>Difference Check Duration</translation>
    </message>
    <message>
      <source>string68</source>
      <translation>Position PV/SV Diagnostics</translation>
    </message>
    <message>
      <source>string69</source>
      <translation>TCP X</translation>
    </message>
    <message>
      <source>string7</source>
      <translation>Tool Setting</translation>
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
      <translation>Max Joint Speed</translation>
    </message>
    <message>
      <source>string76</source>
      <translation>Monitoring Dead Time</translation>
    </message>
    <message>
      <source>string77</source>
      <translation>Set Deceleration Time</translation>
    </message>
    <message>
      <source>string78</source>
      <translation>Allowed Overtime</translation>
    </message>
    <message>
      <source>string79</source>
      <translation>Encoder Threshold for Stop Decision</translation>
    </message>
    <message>
      <source>string8</source>
      <translation>Deceleration Monitoring/Stop Monitoring</translation>
    </message>
    <message>
      <source>string80</source>
      <translation>Stop Monitoring Joint Distance Threshold</translation>
    </message>
    <message>
      <source>string81</source>
      <translation>Stop Category 0</translation>
    </message>
    <message>
      <source>string82</source>
      <translation>Stop Category 1</translation>
    </message>
    <message>
      <source>string83</source>
      <translation>Maker Settings</translation>
    </message>
    <message>
      <source>string84</source>
      <translation>User Settings</translation>
    </message>
    <message>
      <source>string85</source>
      <translation>Enable/Disable</translation>
    </message>
    <message>
      <source>string86</source>
      <translation>Permitted/Fobidden Area</translation>
    </message>
    <message>
      <source>string87</source>
      <translation>Z Upper Limit</translation>
    </message>
    <message>
      <source>string88</source>
      <translation>Z Lower Limit</translation>
    </message>
    <message>
      <source>string89</source>
      <translation>Number of Vertices</translation>
    </message>
    <message>
      <source>string9</source>
      <translation>Motion Area Monitoring Function</translation>
    </message>
    <message>
      <source>string90</source>
      <translation>Vertex Coordinates %1</translation>
    </message>
    <message>
      <source>string91</source>
      <translation>Teach Mode Protective Stop Enable/Disable</translation>
    </message>
    <message>
      <source>string92</source>
      <translation>Fast Check Mode Protective Stop Enable/Disable</translation>
    </message>
    <message>
      <source>string93</source>
      <translation>Repeat Mode Protective Stop Enable/Disable</translation>
    </message>
    <message>
      <source>string94</source>
      <translation>Stop Category</translation>
    </message>
    <message>
      <source>string95</source>
      <translation>Stop Distance Estimation Enable/Disable</translation>
    </message>
    <message>
      <source>string96</source>
      <translation>Joint Range Setting</translation>
    </message>
    <message>
      <source>string97</source>
      <translation>Speed Limit</translation>
    </message>
    <message>
      <source>string98</source>
      <translation>Arm/Device Speed Monitoring Point Enable/Disable</translation>
    </message>
    <message>
      <source>string99</source>
      <translation>Tool Speed Monitoring Point Enable/Disable</translation>
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
      <translation>Area %1: enabled, not drawn (its vertices or Z limits are not usable)</translation>
    </message>
    <message>
      <source>Area %1: forbidden, Z %2 to %3 mm</source>
      <translation>Area %1: forbidden, Z %2 to %3 mm</translation>
    </message>
    <message>
      <source>Area %1: permitted, Z %2 to %3 mm</source>
      <translation>Area %1: permitted, Z %2 to %3 mm</translation>
    </message>
    <message>
      <source>Arm model %1: enabled, not drawn (its values are not usable)</source>
      <translation>Arm model %1: enabled, not drawn (its values are not usable)</translation>
    </message>
    <message>
      <source>Arm model, maker setting</source>
      <translation>Arm model, maker setting</translation>
    </message>
    <message>
      <source>Arm model, user setting</source>
      <translation>Arm model, user setting</translation>
    </message>
    <message>
      <source>Forbidden area</source>
      <translation>Forbidden area</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every %2 mm.</source>
      <translation>Grid lines every %1 mm, heavier every %2 mm.</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every 1000 mm.</source>
      <translation>Grid lines every %1 mm, heavier every 1000 mm.</translation>
    </message>
    <message>
      <source>No motion area is enabled.</source>
      <translation>No motion area is enabled.</translation>
    </message>
    <message>
      <source>Permitted area</source>
      <translation>Permitted area</translation>
    </message>
    <message>
      <source>Robot in its home pose (all joints at 0)</source>
      <translation>Robot in its home pose (all joints at 0)</translation>
    </message>
    <message>
      <source>Tool model %1 of tool 1: enabled, not drawn (its values are not usable)</source>
      <translation>Tool model %1 of tool 1: enabled, not drawn (its values are not usable)</translation>
    </message>
    <message>
      <source>Tool model of tool 1</source>
      <translation>Tool model of tool 1</translation>
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
      <translation>Motion Area Model</translation>
    </message>
    <message>
      <source>AreaNo</source>
      <translation>Area</translation>
    </message>
    <message>
      <source>Item Forbidden</source>
      <translation>Forbidden</translation>
    </message>
    <message>
      <source>Item Permitted</source>
      <translation>Permitted</translation>
    </message>
    <message>
      <source>Label Cost Left %1 %2</source>
      <translation>Remaining budget:
%1 of %2</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>Param</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>Stop Category 0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>Stop Category 1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>Warning Concave</source>
      <translation>The outline is not convex.</translation>
    </message>
    <message>
      <source>Warning Crossing</source>
      <translation>The outline crosses itself.</translation>
    </message>
    <message>
      <source>Warning Repeated Vertex %1 %2</source>
      <translation>Vertices %1 and %2 coincide.</translation>
    </message>
    <message>
      <source>Warning Z Order</source>
      <translation>Z upper limit lies below Z lower limit.</translation>
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
      <translation>Arm Monitoring Model</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>Copy</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>Maker</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>User</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>Axis No</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>Model No</translation>
    </message>
    <message>
      <source>Outside their limits in the set not shown (%1):</source>
      <translation>Outside their limits in the set not shown (%1):</translation>
    </message>
    <message>
      <source>Outside their limits, shown on no page:</source>
      <translation>Outside their limits, shown on no page:</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>Param</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>Paste</translation>
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
      <translation>Coordinate No Setting</translation>
    </message>
    <message>
      <source>capsule</source>
      <translation>capsule</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>sphere</translation>
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
      <translation>Speed Points on Arm/Device</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>Coordinate No</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>Copy</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>Item Category Maker</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>Item Category User</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>Invalid</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>Axis No</translation>
    </message>
    <message>
      <source>Label Category</source>
      <translation>Spec</translation>
    </message>
    <message>
      <source>MonitoringPoint</source>
      <translation>Monitoring Point</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>Paste</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>Speed Points Setting</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>Coordinate No Setting</translation>
    </message>
  </context>
  <context>
    <name>Property::CustomSpeed</name>
    <message>
      <source>%1 points on the arm and devices, %2 on tools</source>
      <translation>%1 points on the arm and devices, %2 on tools</translation>
    </message>
    <message>
      <source>Monitoring Points...</source>
      <translation>Monitoring Points...</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>Speed Monitoring Points</translation>
    </message>
  </context>
  <context>
    <name>Property::Joint</name>
    <message>
      <source>Disabled</source>
      <translation>Disabled</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>Enabled</translation>
    </message>
    <message>
      <source>Forbidden</source>
      <translation>Forbidden</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>Joint</translation>
    </message>
    <message>
      <source>Joint %1 %2: %3</source>
      <translation>Joint %1 %2: %3</translation>
    </message>
    <message>
      <source>Joint %1: the lower limit lies above the upper limit.</source>
      <translation>Joint %1: the lower limit lies above the upper limit.</translation>
    </message>
    <message>
      <source>Joint %1: the range leaves the constant range %2 to %3%4.</source>
      <translation>Joint %1: the range leaves the constant range %2 to %3%4.</translation>
    </message>
    <message>
      <source>Lower</source>
      <translation>Lower</translation>
    </message>
    <message>
      <source>Outside their limits, not shown for this target:</source>
      <translation>Outside their limits, not shown for this target:</translation>
    </message>
    <message>
      <source>Permitted</source>
      <translation>Permitted</translation>
    </message>
    <message>
      <source>Range</source>
      <translation>Range</translation>
    </message>
    <message>
      <source>Upper</source>
      <translation>Upper</translation>
    </message>
  </context>
  <context>
    <name>Property::ModeSpeed</name>
    <message>
      <source>FunctionDisabled</source>
      <translation>FunctionDisabled</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>Enabled Function</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Enabled</source>
      <translation>Fast Check Mode Enabled</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Speed Limit</source>
      <translation>Speed Upper Limit</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Stop Category</source>
      <translation>Stop Category</translation>
    </message>
    <message>
      <source>Label Teach Mode Enabled</source>
      <translation>Teach Mode Enabled</translation>
    </message>
    <message>
      <source>Label Teach Mode Speed Limit</source>
      <translation>Speed Upper Limit</translation>
    </message>
    <message>
      <source>Label Teach Mode Stop Category</source>
      <translation>Stop Category</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>Speed Monitoring Each Mode</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>Stop Category 0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>Stop Category 1</translation>
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
      <translation>DiscrepancyAllowTime</translation>
    </message>
    <message>
      <source>DuplexLogic</source>
      <translation>DuplexLogic</translation>
    </message>
    <message>
      <source>FilterTime</source>
      <translation>FilterTime</translation>
    </message>
    <message>
      <source>PulseDiagnosisEnabled</source>
      <translation>Pulse Diagnostics Enabled</translation>
    </message>
    <message>
      <source>Safety Input Setting</source>
      <translation>User Safety Input</translation>
    </message>
    <message>
      <source>UserSafetyInput</source>
      <translation>User Safety Input</translation>
    </message>
  </context>
  <context>
    <name>Property::SafetySignatureCRC</name>
    <message>
      <source>MonitorCRC</source>
      <translation>Monitor Settings CRC</translation>
    </message>
    <message>
      <source>MonitorUpdateTime</source>
      <translation>Monitor Settings Update Time</translation>
    </message>
    <message>
      <source>Safety Signature CRC</source>
      <translation>Safety Signature</translation>
    </message>
    <message>
      <source>SignalCRC</source>
      <translation>Signal Settings CRC</translation>
    </message>
    <message>
      <source>SignalUpdateTime</source>
      <translation>Signal Settings Update Time</translation>
    </message>
    <message>
      <source>SystemCRC</source>
      <translation>System Settings CRC</translation>
    </message>
    <message>
      <source>SystemUpdateTime</source>
      <translation>System Settings Update Time</translation>
    </message>
    <message>
      <source>WholeCRC</source>
      <translation>Whole Settings CRC</translation>
    </message>
    <message>
      <source>WholeUpdateTime</source>
      <translation>Whole Settings Update Time</translation>
    </message>
  </context>
  <context>
    <name>Property::SetPanel</name>
    <message>
      <source>Function</source>
      <translation>Function</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>Enabled Function</translation>
    </message>
  </context>
  <context>
    <name>Property::SettingCommon</name>
    <message>
      <source>%1 hold the same value %2.</source>
      <translation>%1 hold the same value %2.</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>Tool</translation>
    </message>
  </context>
  <context>
    <name>Property::StopDistanceEstimation</name>
    <message>
      <source>Maker</source>
      <translation>Maker</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>Spec</translation>
    </message>
    <message>
      <source>Stop Distance Estimation</source>
      <translation>Stop Distance Estimation</translation>
    </message>
    <message>
      <source>StopDistanceEstimation Maker</source>
      <translation>StopDistanceEstimation Maker</translation>
    </message>
    <message>
      <source>User</source>
      <translation>User</translation>
    </message>
  </context>
  <context>
    <name>Property::StopItems</name>
    <message>
      <source>Function</source>
      <translation>Function</translation>
    </message>
  </context>
  <context>
    <name>Property::StopMonitoring</name>
    <message>
      <source>CheckBox disableJoint</source>
      <translation>CheckBox disableJoint</translation>
    </message>
    <message>
      <source>CheckBox enableCheckMode</source>
      <translation>Enabled Check Fast Forward Mode</translation>
    </message>
    <message>
      <source>CheckBox enableRepeatMode</source>
      <translation>Enabled Repeat Mode</translation>
    </message>
    <message>
      <source>CheckBox enableTeachMode</source>
      <translation>Enabled Teach Mode</translation>
    </message>
    <message>
      <source>Function</source>
      <translation>Function</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>Enabled Function</translation>
    </message>
    <message>
      <source>Label threshold for stop monitoring:</source>
      <translation>Label threshold for stop monitoring:</translation>
    </message>
    <message>
      <source>Set%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>Stop Monitoring</source>
      <translation>Stop Monitoring</translation>
    </message>
    <message>
      <source>enableJoint</source>
      <translation>Enabled</translation>
    </message>
    <message>
      <source>targetDevice</source>
      <translation>targetDevice</translation>
    </message>
    <message>
      <source>targetJoint</source>
      <translation>targetJoint</translation>
    </message>
  </context>
  <context>
    <name>Property::System</name>
    <message>
      <source>CpuA</source>
      <translation>CpuA</translation>
    </message>
    <message>
      <source>CpuB</source>
      <translation>CpuB</translation>
    </message>
    <message>
      <source>CpuC</source>
      <translation>CpuC</translation>
    </message>
    <message>
      <source>Disabled</source>
      <translation>Disabled</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>Enabled</translation>
    </message>
    <message>
      <source>IP address is incorrect</source>
      <translation>IP address is incorrect</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>Destination IPAddress</translation>
    </message>
    <message>
      <source>IPAddress Change Error</source>
      <translation>IP address outside range</translation>
    </message>
    <message>
      <source>IPAddress Change Message</source>
      <translation>change confirmation</translation>
    </message>
    <message>
      <source>IPAddress Save Error</source>
      <translation>IP address not saved</translation>
    </message>
    <message>
      <source>IoBoards</source>
      <translation>IoBoards</translation>
    </message>
    <message>
      <source>Label safetyNetwork</source>
      <translation>Safety Network</translation>
    </message>
    <message>
      <source>OpeMode</source>
      <translation>OpeMode</translation>
    </message>
    <message>
      <source>ParamVer</source>
      <translation>ParamVer</translation>
    </message>
    <message>
      <source>Please app restart</source>
      <translation>The IP address has changed.
Restart the application.</translation>
    </message>
    <message>
      <source>Please check config file</source>
      <translation>The IP address could not be written to the settings file.
The previous address stays in use.</translation>
    </message>
    <message>
      <source>Please check your Safety input/output signal</source>
      <translation>The number of I/O boards is changed.
Check safety input/output signals.</translation>
    </message>
    <message>
      <source>Safety IO Change Message</source>
      <translation>change confirmation</translation>
    </message>
    <message>
      <source>SoftVer</source>
      <translation>SoftVer</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>Spec</translation>
    </message>
    <message>
      <source>Spec Automaker</source>
      <translation>Automaker</translation>
    </message>
    <message>
      <source>Spec Clean</source>
      <translation>Clean</translation>
    </message>
    <message>
      <source>Spec Standard</source>
      <translation>Standard</translation>
    </message>
    <message>
      <source>System</source>
      <translation>System Setting</translation>
    </message>
    <message>
      <source>item Operation Panel</source>
      <translation>Operation Panel</translation>
    </message>
    <message>
      <source>item User</source>
      <translation>User</translation>
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
      <translation>Copy</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>Kind</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>Model No</translation>
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
      <translation>Param</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>Paste</translation>
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
      <translation>Radius</translation>
    </message>
    <message>
      <source>T</source>
      <translation>T</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>Tool</translation>
    </message>
    <message>
      <source>ToolModelSetting</source>
      <translation>Tool Monitoring Model</translation>
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
      <translation>capsule</translation>
    </message>
    <message>
      <source>cuboid</source>
      <translation>cuboid</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>sphere</translation>
    </message>
    <message>
      <source>width</source>
      <translation>Width</translation>
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
      <translation>Change Confirmation</translation>
    </message>
    <message>
      <source>EulerAngleA</source>
      <translation>EulerAngleA</translation>
    </message>
    <message>
      <source>EulerAngleO</source>
      <translation>EulerAngleO</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>Enabled Function</translation>
    </message>
    <message>
      <source>HalfTopAngle</source>
      <translation>HalfTopAngle</translation>
    </message>
    <message>
      <source>Since all the ranges 1-%1 are invalid, the tool orientation monitoring set %2 is disabled.</source>
      <translation>Since all the ranges 1-%1 are invalid, the tool orientation monitoring set %2 is disabled.</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>Stop Category 0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>Stop Category 1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>ToolOrientationRange</source>
      <translation>Tool orientation range</translation>
    </message>
    <message>
      <source>ToolOrientationRangeSetting</source>
      <translation>Tool orientation range setting</translation>
    </message>
    <message>
      <source>ToolOrientationSet</source>
      <translation>Tool orientation monitoring set</translation>
    </message>
    <message>
      <source>ToolOrientationSetSetting</source>
      <translation>Tool orientation monitoring set setting</translation>
    </message>
    <message>
      <source>enableCheckMode</source>
      <translation>Enabled Check Fast Forward Mode</translation>
    </message>
    <message>
      <source>enableRepeatMode</source>
      <translation>Enabled Repeat Mode</translation>
    </message>
    <message>
      <source>enableTeachMode</source>
      <translation>Enabled Teach Mode</translation>
    </message>
    <message>
      <source>label Stop Cat</source>
      <translation>Stop Category</translation>
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
      <translation>Copy</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>Monitoring Point</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>Paste</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>Speed Points Setting</translation>
    </message>
    <message>
      <source>Tool Speed Monitoring Points</source>
      <translation>Speed Monitoring Points On Tool</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>Tool Number</translation>
    </message>
  </context>
  <context>
    <name>PropertyWidget</name>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>ToolTipRangeLower</source>
      <translation>Lower</translation>
    </message>
    <message>
      <source>ToolTipRangeUpper</source>
      <translation>Upper</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>%1: Invalid signal number.</source>
      <translation>%1: Invalid signal number.</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Reset</translation>
    </message>
  </context>
  <context>
    <name>SafetyReport</name>
    <message>
      <source>%1, not signed</source>
      <translation>%1, not signed</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>All data CRC</translation>
    </message>
    <message>
      <source>Checked by</source>
      <translation>Checked by</translation>
    </message>
    <message>
      <source>Column</source>
      <translation>Column</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>Date</translation>
    </message>
    <message>
      <source>Every value outside its limits, not finite or whose file text was not kept, with its number as marked on the pages. Rows and columns count from 1 as in a parameter file.</source>
      <translation>Every value outside its limits, not finite or whose file text was not kept, with its number as marked on the pages. Rows and columns count from 1 as in a parameter file.</translation>
    </message>
    <message>
      <source>Findings</source>
      <translation>Findings</translation>
    </message>
    <message>
      <source>Formula</source>
      <translation>Formula</translation>
    </message>
    <message>
      <source>Limits</source>
      <translation>Limits</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>No logical operation is in use.</source>
      <translation>No logical operation is in use.</translation>
    </message>
    <message>
      <source>No.</source>
      <translation>No.</translation>
    </message>
    <message>
      <source>None.</source>
      <translation>None.</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Outputs</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Page</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Plan view</source>
      <translation>Plan view (XY)</translation>
    </message>
    <message>
      <source>Report date</source>
      <translation>Report date</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Result</translation>
    </message>
    <message>
      <source>Robot type</source>
      <translation>Robot type</translation>
    </message>
    <message>
      <source>Row</source>
      <translation>Row</translation>
    </message>
    <message>
      <source>Rows whose values are all 0 and within their limits are not listed.</source>
      <translation>Rows whose values are all 0 and within their limits are not listed.</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>Safety Report</translation>
    </message>
    <message>
      <source>Signal assignments whose file text was not kept:</source>
      <translation>Signal assignments whose file text was not kept:</translation>
    </message>
    <message>
      <source>Signals assigned a number that is no result:</source>
      <translation>Signals assigned a number that is no result:</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>Signature</translation>
    </message>
    <message>
      <source>Source</source>
      <translation>Source</translation>
    </message>
    <message>
      <source>The report shows the set as last read, or as last written to Orbilux; changes applied since then are not in it, even where they were saved to a parameter file.</source>
      <translation>The report shows the set as last read, or as last written to Orbilux; changes applied since then are not in it, even where they were saved to a parameter file.</translation>
    </message>
    <message>
      <source>The report shows the set as last read, written or saved; changes applied since then are not in it.</source>
      <translation>The report shows the set as last read, written or saved; changes applied since then are not in it.</translation>
    </message>
    <message>
      <source>The safety report was written.
Filename: %1</source>
      <translation>The safety report was written.
Filename: %1</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unit</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>Value</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>Values outside their limits</translation>
    </message>
    <message>
      <source>Values outside their limits are marked.</source>
      <translation>Values outside their limits are marked.</translation>
    </message>
    <message>
      <source>Writing the safety report...</source>
      <translation>Writing the safety report...</translation>
    </message>
    <message>
      <source>no page</source>
      <translation>no page</translation>
    </message>
  </context>
  <context>
    <name>Scene::SceneSignals</name>
    <message>
      <source>AreaModel</source>
      <translation>Area Monitoring Model</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>Arm Monitoring Model</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>Speed Points on Arm/Device</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>Custom Speed Monitoring</translation>
    </message>
    <message>
      <source>EmergencyStop</source>
      <translation>EmergencyStop</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Home</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>Joint</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>Logical Operation</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>Speed Monitoring Each Mode</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>Monitoring</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>Emergency Stop</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>Joint</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>Joint Position</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>Logical Operation</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>Motion Area</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>Protective Stop</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>Safety Input</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>Safety Output</translation>
    </message>
    <message>
      <source>MonitoringSpeed</source>
      <translation>Speed</translation>
    </message>
    <message>
      <source>MonitoringStop</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>MonitoringToolId</source>
      <translation>Tool ID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>Tool Orientation</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>Network Parameters</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>Network Safety Status</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>Network Status</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>Output SafetyReport</translation>
    </message>
    <message>
      <source>ProtectiveStopSafetyFence</source>
      <translation>ProtectiveStopSafetyFence</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>User Protective Stop</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>Safety Input</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>Common</translation>
    </message>
    <message>
      <source>StopDistanceEstimation</source>
      <translation>StopDistanceEstimation</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>Stop Monitoring</translation>
    </message>
    <message>
      <source>System</source>
      <translation>System</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>Tool Monitoring Model</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>Tool Orientation</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>Speed Points on Tool</translation>
    </message>
  </context>
  <context>
    <name>SpeedPointDialog</name>
    <message>
      <source>Above the limit of the word: kept as stored.</source>
      <translation>Above the limit of the word: kept as stored.</translation>
    </message>
    <message>
      <source>Bit %1</source>
      <translation>Bit %1</translation>
    </message>
    <message>
      <source>Bits in red lie above the limit of their word; they are kept as stored.</source>
      <translation>Bits in red lie above the limit of their word; they are kept as stored.</translation>
    </message>
    <message>
      <source>No known meaning: kept as stored.</source>
      <translation>No known meaning: kept as stored.</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>Speed Monitoring Points</translation>
    </message>
    <message>
      <source>Word %1</source>
      <translation>Word %1</translation>
    </message>
  </context>
  <context>
    <name>StartupWindow</name>
    <message>
      <source>Reading robot parameters...</source>
      <translation>Reading robot parameters...</translation>
    </message>
  </context>
  <context>
    <name>StatusLine</name>
    <message>
      <source>All data CRC</source>
      <translation>All data CRC</translation>
    </message>
    <message>
      <source>All data CRC %1</source>
      <translation>All data CRC %1</translation>
    </message>
    <message>
      <source>Applied changes not yet written</source>
      <translation>Applied changes not yet written</translation>
    </message>
    <message>
      <source>Not checked (stored as 9894): %1</source>
      <translation>Not checked (stored as 9894): %1</translation>
    </message>
    <message>
      <source>Not signed</source>
      <translation>Not signed</translation>
    </message>
    <message>
      <source>Orbilux (%1)</source>
      <translation>Orbilux (%1)</translation>
    </message>
    <message>
      <source>Robot data: %1</source>
      <translation>Robot data: %1</translation>
    </message>
    <message>
      <source>Robot data: %1, not signed</source>
      <translation>Robot data: %1, not signed</translation>
    </message>
    <message>
      <source>Source: %1</source>
      <translation>Source: %1</translation>
    </message>
    <message>
      <source>Source: %1, not signed</source>
      <translation>Source: %1, not signed</translation>
    </message>
  </context>
  <context>
    <name>SubMenuTable</name>
    <message>
      <source>Enabled</source>
      <translation>Enabled</translation>
    </message>
    <message>
      <source>Item</source>
      <translation>Item</translation>
    </message>
    <message>
      <source>Visible</source>
      <translation>Visible</translation>
    </message>
  </context>
  <context>
    <name>ValueValidator</name>
    <message>
      <source>%1 to %2</source>
      <translation>%1 to %2</translation>
    </message>
    <message>
      <source>(file: %1)</source>
      <translation>(file: %1)</translation>
    </message>
    <message>
      <source>limits %1</source>
      <translation>limits %1</translation>
    </message>
  </context>
  <context>
    <name>WaitDialog</name>
    <message>
      <source>Writing parameters...</source>
      <translation>Writing parameters...</translation>
    </message>
  </context>
</TS>
