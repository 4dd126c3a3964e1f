<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
  <context>
    <name>AxisToCoordinateNo</name>
    <message>
      <source>Axis No</source>
      <translation>軸番号</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>座標番号</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>無効</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>座標番号設定</translation>
    </message>
  </context>
  <context>
    <name>CoordinateChoice</name>
    <message>
      <source>Item Invalid</source>
      <translation>無効</translation>
    </message>
  </context>
  <context>
    <name>DataProvider</name>
    <message>
      <source>%1 canceled</source>
      <translation>%1 キャンセル</translation>
    </message>
    <message>
      <source>%1 completed</source>
      <translation>%1 完了</translation>
    </message>
    <message>
      <source>%1 error</source>
      <translation>%1 エラー</translation>
    </message>
    <message>
      <source>%1 timed out</source>
      <translation>%1 タイムアウト</translation>
    </message>
    <message>
      <source>%1 values of the file's robot part were not taken: the robot data held stays</source>
      <translation>ファイルのロボット部の値 %1 個は読み込まれませんでした: 保持中のロボットデータのままです</translation>
    </message>
    <message>
      <source>%1: %2 (was %3)</source>
      <translation>%1: %2 (変更前 %3)</translation>
    </message>
    <message>
      <source>%1: 9894, not checked</source>
      <translation>%1: 9894、未検査</translation>
    </message>
    <message>
      <source>%1: file %2, held %3</source>
      <translation>%1: ファイル %2、保持 %3</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>... ほか %1 件</translation>
    </message>
    <message>
      <source>1 value of the file's robot part was not taken: the robot data held stays</source>
      <translation>ファイルのロボット部の値 1 個は読み込まれませんでした: 保持中のロボットデータのままです</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>全データCRC</translation>
    </message>
    <message>
      <source>Applied changes are not yet written. Open another file and lose them?</source>
      <translation>適用済みの変更はまだ書き込まれていません。別のファイルを開いて、これらの変更を失いますか?</translation>
    </message>
    <message>
      <source>Applied data</source>
      <translation>適用データ</translation>
    </message>
    <message>
      <source>Body InitialOBXReadError</source>
      <translation>Orbiluxから安全パラメータを読み込めませんでした。アプリケーションを終了します。</translation>
    </message>
    <message>
      <source>Body NG:COMM</source>
      <translation>コントローラ内部の通信に失敗しました。</translation>
    </message>
    <message>
      <source>Body NG:MTRON</source>
      <translation>ロボットのモータがONです。モータをOFFにしてから再度実行してください。</translation>
    </message>
    <message>
      <source>Body NG:ROBOTBUSY</source>
      <translation>ロボットが動作中です。ロボットを停止してから再度実行してください。</translation>
    </message>
    <message>
      <source>Body NG:R_SFPRMBIN</source>
      <translation>Orbiluxのユーザパラメータが初期化されていません。</translation>
    </message>
    <message>
      <source>Body NG:SEMA</source>
      <translation>コントローラは別の要求を処理中です。</translation>
    </message>
    <message>
      <source>Body can not connect</source>
      <translation>コントローラと通信できません。</translation>
    </message>
    <message>
      <source>Body canceled</source>
      <translation>処理をキャンセルしました。</translation>
    </message>
    <message>
      <source>Body command error</source>
      <translation>コントローラがコマンドを拒否しました。</translation>
    </message>
    <message>
      <source>Body file format error</source>
      <translation>パラメータファイルの形式が正しくないか、CRCがデータと一致しません。</translation>
    </message>
    <message>
      <source>Body file read error</source>
      <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
      <source>Body file write error</source>
      <translation>ファイルに書き込めません。</translation>
    </message>
    <message>
      <source>Body no data</source>
      <translation>ファイルにパラメータデータがありません。</translation>
    </message>
    <message>
      <source>Body timeout</source>
      <translation>コントローラが時間内に応答しませんでした。</translation>
    </message>
    <message>
      <source>Body transfer error</source>
      <translation>コントローラとのファイル転送に失敗しました。</translation>
    </message>
    <message>
      <source>Body unknown error</source>
      <translation>不明なエラーが発生しました。</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>パスワード変更</translation>
    </message>
    <message>
      <source>Differences were found: %1</source>
      <translation>相違があります: %1 件</translation>
    </message>
    <message>
      <source>Failed to publish safety report.</source>
      <translation>安全レポートを出力できませんでした。</translation>
    </message>
    <message>
      <source>File</source>
      <translation>ファイル</translation>
    </message>
    <message>
      <source>Filename: %1</source>
      <translation>ファイル名: %1</translation>
    </message>
    <message>
      <source>Monitor Settings CRC</source>
      <translation>監視設定CRC</translation>
    </message>
    <message>
      <source>No differences were found.</source>
      <translation>相違はありません。</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>ファイルを開く</translation>
    </message>
    <message>
      <source>Orbilux</source>
      <translation>Orbilux</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>パラメータファイル出力</translation>
    </message>
    <message>
      <source>Parameter set read at start-up</source>
      <translation>起動時に読み込んだパラメータセット</translation>
    </message>
    <message>
      <source>Read Orbilux</source>
      <translation>Orbilux読み込み</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>ロボットデータ読み込み</translation>
    </message>
    <message>
      <source>Read the safety parameters from Orbilux?
Changes that were not written are discarded.</source>
      <translation>Orbiluxから安全パラメータを読み込みますか？
書き込んでいない変更は破棄されます。</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>安全レポート</translation>
    </message>
    <message>
      <source>Safety report published. Filename: %1</source>
      <translation>安全レポートを出力しました。ファイル名: %1</translation>
    </message>
    <message>
      <source>Signal Settings CRC</source>
      <translation>信号設定CRC</translation>
    </message>
    <message>
      <source>Startup default set invalid</source>
      <translation>既定のパラメータセット %1 を読み込めません: 有効なパラメータファイルではないか、CRC がデータと一致しません。</translation>
    </message>
    <message>
      <source>Startup default set unreadable</source>
      <translation>既定のパラメータセット %1 を読み込めません: ファイルが存在しないか、大きすぎるか、開けません。</translation>
    </message>
    <message>
      <source>Startup no ParameterPath</source>
      <translation>既定のパラメータセットを読み込めません: 設定ファイル config.ini に "ParameterPath" がありません。</translation>
    </message>
    <message>
      <source>System Settings CRC</source>
      <translation>システム設定CRC</translation>
    </message>
    <message>
      <source>The parameter file was read.
Filename: %1</source>
      <translation>パラメータファイルを読み込みました。
ファイル名: %1</translation>
    </message>
    <message>
      <source>The parameter file was written.
Filename: %1</source>
      <translation>パラメータファイルを出力しました。
ファイル名: %1</translation>
    </message>
    <message>
      <source>The password was changed.</source>
      <translation>パスワードを変更しました。</translation>
    </message>
    <message>
      <source>The robot data file is not signed: %1</source>
      <translation>ロボットデータのファイルは署名されていません: %1</translation>
    </message>
    <message>
      <source>The robot data was read.
Filename: %1</source>
      <translation>ロボットデータを読み込みました。
ファイル名: %1</translation>
    </message>
    <message>
      <source>The robot's motors are on.
Turn the motors off, then choose Yes to write the parameters.</source>
      <translation>ロボットのモータがONです。
モータをOFFにしてから「はい」を選ぶとパラメータを書き込みます。</translation>
    </message>
    <message>
      <source>The safety parameters were read from Orbilux.</source>
      <translation>Orbiluxから安全パラメータを読み込みました。</translation>
    </message>
    <message>
      <source>The safety parameters were written to Orbilux.</source>
      <translation>Orbiluxに安全パラメータを書き込みました。</translation>
    </message>
    <message>
      <source>These parameters differ.</source>
      <translation>以下のパラメータが異なります。</translation>
    </message>
    <message>
      <source>Title InitialOBXReadError</source>
      <translation>初期読み込みエラー</translation>
    </message>
    <message>
      <source>Title StartupError</source>
      <translation>起動エラー</translation>
    </message>
    <message>
      <source>Title write error</source>
      <translation>書き込みエラー</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>範囲外の値</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>ファイル照合</translation>
    </message>
    <message>
      <source>Verify Orbilux</source>
      <translation>Orbilux照合</translation>
    </message>
    <message>
      <source>Whole Settings CRC</source>
      <translation>全体設定CRC</translation>
    </message>
    <message>
      <source>Write Orbilux</source>
      <translation>Orbilux書き込み</translation>
    </message>
    <message>
      <source>Write data</source>
      <translation>書き込みデータ</translation>
    </message>
    <message>
      <source>Write them anyway?</source>
      <translation>このまま書き込みますか?</translation>
    </message>
    <message>
      <source>Write these parameters into Orbilux?</source>
      <translation>このパラメータをOrbiluxに書き込みますか？</translation>
    </message>
  </context>
  <context>
    <name>DisplayText</name>
    <message>
      <source>… (%1 characters)</source>
      <translation>…（%1 文字）</translation>
    </message>
  </context>
  <context>
    <name>FieldBinding</name>
    <message>
      <source>Outside its limits %1 to %2</source>
      <translation>範囲外です (%1 〜 %2)</translation>
    </message>
    <message>
      <source>file: %1</source>
      <translation>ファイル: %1</translation>
    </message>
  </context>
  <context>
    <name>FindingCount</name>
    <message>
      <source>%1 file texts not kept</source>
      <translation>保持できなかったファイルの記述: %1 個</translation>
    </message>
    <message>
      <source>%1 values outside their limits</source>
      <translation>範囲外の値: %1 個</translation>
    </message>
    <message>
      <source>%1, %2</source>
      <translation>%1、%2</translation>
    </message>
    <message>
      <source>1 file text not kept</source>
      <translation>保持できなかったファイルの記述: 1 個</translation>
    </message>
    <message>
      <source>1 value outside its limits</source>
      <translation>範囲外の値: 1 個</translation>
    </message>
  </context>
  <context>
    <name>FunctionMenuWidget</name>
    <message>
      <source>AreaModel</source>
      <translation>領域監視モデル</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>アーム監視モデル</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>アーム/デバイス上の速度監視点</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>カスタム速度監視</translation>
    </message>
    <message>
      <source>EtherNetIPSafety</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>軸</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>論理演算</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>モード別速度監視</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>モニタリング</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>非常停止</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>軸</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>軸位置</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>論理演算</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>動作領域</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>保護停止</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>安全入力</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>安全出力</translation>
    </message>
    <message>
      <source>MonitoringSettingEmergencyStop</source>
      <translation>非常停止</translation>
    </message>
    <message>
      <source>MonitoringSettingProtectiveStopSafetyFence</source>
      <translation>安全柵</translation>
    </message>
    <message>
      <source>MonitoringSettings</source>
      <translation>監視設定</translation>
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
      <translation>ツールID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>ツール姿勢</translation>
    </message>
    <message>
      <source>Motion Area</source>
      <translation>動作領域</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>ネットワークパラメータ</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>ネットワーク安全ステータス</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>ネットワークステータス</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>安全レポート出力</translation>
    </message>
    <message>
      <source>ProtectiveStop</source>
      <translation>保護停止</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>ユーザー保護停止</translation>
    </message>
    <message>
      <source>SafetyIO</source>
      <translation>安全IO</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>安全入力</translation>
    </message>
    <message>
      <source>SafetySignature</source>
      <translation>安全シグネチャ</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>共通</translation>
    </message>
    <message>
      <source>SignalSettings</source>
      <translation>信号設定</translation>
    </message>
    <message>
      <source>Speed</source>
      <translation>速度</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>ステータス</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>停止監視</translation>
    </message>
    <message>
      <source>System</source>
      <translation>システム</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>ツール監視モデル</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>ツール姿勢</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>ツール上の速度監視点</translation>
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
      <translation>透視投影</translation>
    </message>
  </context>
  <context>
    <name>IO::ComparisonView</name>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>閉じる</translation>
    </message>
    <message>
      <source>No differences.</source>
      <translation>相違はありません。</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>パラメータ</translation>
    </message>
    <message>
      <source>Parameter comparison</source>
      <translation>パラメータ比較</translation>
    </message>
  </context>
  <context>
    <name>IO::FileDialog</name>
    <message>
      <source>%1 already exists. Replace it?</source>
      <translation>%1 は既に存在します。置き換えますか?</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Export Safety Report</source>
      <translation>安全レポートのエクスポート</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>ファイル名:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>ファイルを開く</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>パラメータファイル出力</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>ロボットデータ読み込み</translation>
    </message>
    <message>
      <source>The robot data is read from Orbilux.</source>
      <translation>ロボットデータをOrbiluxから読み込みます。</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>ファイル照合</translation>
    </message>
  </context>
  <context>
    <name>IO::PasswordDialog</name>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>パスワード変更</translation>
    </message>
    <message>
      <source>Current password:</source>
      <translation>現在のパスワード:</translation>
    </message>
    <message>
      <source>New password:</source>
      <translation>新しいパスワード:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>パスワード</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>パスワード:</translation>
    </message>
  </context>
  <context>
    <name>LogicAssignmentTree</name>
    <message>
      <source>Driven by</source>
      <translation>割当て結果</translation>
    </message>
    <message>
      <source>Driven by result %1; take it off there first.</source>
      <translation>結果 %1 に割り当て済みです。先にそちらで外してください。</translation>
    </message>
    <message>
      <source>Internal safety inputs</source>
      <translation>内部安全入力</translation>
    </message>
    <message>
      <source>Network safety outputs</source>
      <translation>ネットワーク安全出力</translation>
    </message>
    <message>
      <source>Signal</source>
      <translation>信号</translation>
    </message>
    <message>
      <source>User safety outputs</source>
      <translation>ユーザー安全出力</translation>
    </message>
  </context>
  <context>
    <name>LogicCheck</name>
    <message>
      <source>%1 takes one input; input 2 must be empty.</source>
      <translation>%1 の入力は1つです。入力2は空にしてください。</translation>
    </message>
    <message>
      <source>Driven by result %1, whose operation is unused.</source>
      <translation>未使用の演算の結果 %1 で駆動されています。</translation>
    </message>
    <message>
      <source>Drives %1, but the operation is unused.</source>
      <translation>%1 を駆動していますが、演算は未使用です。</translation>
    </message>
    <message>
      <source>Drives internal safety input entry %1, which names no signal.</source>
      <translation>信号名のない内部安全入力エントリ %1 に割り当てられています。</translation>
    </message>
    <message>
      <source>Input %1 is missing.</source>
      <translation>入力%1がありません。</translation>
    </message>
    <message>
      <source>Input %1 reads result %2, whose operation is unused.</source>
      <translation>入力%1が未使用の演算の結果 %2 を読んでいます。</translation>
    </message>
    <message>
      <source>Input %1 reads the later result %2.</source>
      <translation>入力%1が後の結果 %2 を読んでいます。</translation>
    </message>
    <message>
      <source>Input %1 reads this operation's own result.</source>
      <translation>入力%1がこの演算自身の結果を読んでいます。</translation>
    </message>
    <message>
      <source>Input %1: %2 is no input signal.</source>
      <translation>入力%1: %2 は入力信号ではありません。</translation>
    </message>
    <message>
      <source>Internal safety input entry %1 holds %2 but names no signal.</source>
      <translation>内部安全入力エントリ %1 は %2 を保持していますが、信号名がありません。</translation>
    </message>
    <message>
      <source>Operation type %1 is unknown; it is kept as stored.</source>
      <translation>演算種別 %1 は不明です。保存値のまま保持します。</translation>
    </message>
    <message>
      <source>Takes part in a cycle of the results %1.</source>
      <translation>結果 %1 の循環に含まれています。</translation>
    </message>
  </context>
  <context>
    <name>LogicItemDelegate</name>
    <message>
      <source>%1 signals begin with "%2"; choose one from the list.</source>
      <translation>「%2」で始まる信号が %1 個あります。一覧から選んでください。</translation>
    </message>
    <message>
      <source>No input signal is named "%1".</source>
      <translation>「%1」という名前の入力信号はありません。</translation>
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
      <translation>(無効)</translation>
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
      <translation>スルー</translation>
    </message>
    <message>
      <source>OpXor</source>
      <translation>XOR</translation>
    </message>
    <message>
      <source>Signal1-400</source>
      <translation>論理演算結果</translation>
    </message>
    <message>
      <source>Signal1001</source>
      <translation>~TP非常停止</translation>
    </message>
    <message>
      <source>Signal1001-1010</source>
      <translation>固定安全入力</translation>
    </message>
    <message>
      <source>Signal1002</source>
      <translation>TPイネーブル</translation>
    </message>
    <message>
      <source>Signal1003</source>
      <translation>操作パネル ティーチ/リピートモード</translation>
    </message>
    <message>
      <source>Signal1004</source>
      <translation>操作パネル 高速チェックモード</translation>
    </message>
    <message>
      <source>Signal1005</source>
      <translation>2AP基板 マスター/セカンダリ イネーブル</translation>
    </message>
    <message>
      <source>Signal1006</source>
      <translation>~操作パネル非常停止</translation>
    </message>
    <message>
      <source>Signal1007</source>
      <translation>~外部非常停止</translation>
    </message>
    <message>
      <source>Signal1008</source>
      <translation>~安全柵1開</translation>
    </message>
    <message>
      <source>Signal1009</source>
      <translation>~安全柵2開</translation>
    </message>
    <message>
      <source>Signal1010</source>
      <translation>外部イネーブル</translation>
    </message>
    <message>
      <source>Signal1101-1132</source>
      <translation>ユーザ安全入力</translation>
    </message>
    <message>
      <source>Signal1501-1564</source>
      <translation>ネットワーク安全入力</translation>
    </message>
    <message>
      <source>Signal2001</source>
      <translation>~モータ電源遮断指令実行1</translation>
    </message>
    <message>
      <source>Signal2001-2162</source>
      <translation>内部安全出力</translation>
    </message>
    <message>
      <source>Signal2002</source>
      <translation>~モータ電源遮断指令実行2</translation>
    </message>
    <message>
      <source>Signal2003-2018</source>
      <translation>動作許可エリア内</translation>
    </message>
    <message>
      <source>Signal2019</source>
      <translation>動作許可常時軸範囲内</translation>
    </message>
    <message>
      <source>Signal2020-2037</source>
      <translation>動作許可選択軸範囲内</translation>
    </message>
    <message>
      <source>Signal2038</source>
      <translation>動作許可ティーチモード速度以内</translation>
    </message>
    <message>
      <source>Signal2039</source>
      <translation>動作許可高速チェックモード速度以内</translation>
    </message>
    <message>
      <source>Signal2040-2057</source>
      <translation>動作許可ユーザ速度以内</translation>
    </message>
    <message>
      <source>Signal2058-2065</source>
      <translation>動作許可ツール姿勢範囲内</translation>
    </message>
    <message>
      <source>Signal2066-2083</source>
      <translation>~停止監視入力中</translation>
    </message>
    <message>
      <source>Signal2084-2101</source>
      <translation>停止監視中</translation>
    </message>
    <message>
      <source>Signal2102</source>
      <translation>~SW安全柵開入力中</translation>
    </message>
    <message>
      <source>Signal2103-2120</source>
      <translation>~ユーザ保護停止入力中</translation>
    </message>
    <message>
      <source>Signal2121-2138</source>
      <translation>ユーザ保護停止中</translation>
    </message>
    <message>
      <source>Signal2139</source>
      <translation>~SW外部非常停止入力中</translation>
    </message>
    <message>
      <source>Signal2140-2157</source>
      <translation>~ユーザ非常停止入力中</translation>
    </message>
    <message>
      <source>Signal2158</source>
      <translation>ティーチモード中</translation>
    </message>
    <message>
      <source>Signal2159</source>
      <translation>高速チェックモード中</translation>
    </message>
    <message>
      <source>Signal2160</source>
      <translation>リピートモード中</translation>
    </message>
    <message>
      <source>Signal2161</source>
      <translation>~安全シグネチャアラーム</translation>
    </message>
    <message>
      <source>Signal2162</source>
      <translation>常時ON</translation>
    </message>
    <message>
      <source>Signal3001</source>
      <translation>~モータ電源遮断</translation>
    </message>
    <message>
      <source>Signal3001-3003</source>
      <translation>固定安全出力</translation>
    </message>
    <message>
      <source>Signal3002</source>
      <translation>~モータブレーキ電源遮断</translation>
    </message>
    <message>
      <source>Signal3003</source>
      <translation>モータ電源正常</translation>
    </message>
    <message>
      <source>Signal60001</source>
      <translation>ユーザ ティーチ/リピートモード</translation>
    </message>
    <message>
      <source>Signal60001-60157</source>
      <translation>内部安全入力</translation>
    </message>
    <message>
      <source>Signal60002</source>
      <translation>ユーザ高速チェックモード</translation>
    </message>
    <message>
      <source>Signal60003-60007</source>
      <translation>ツールID</translation>
    </message>
    <message>
      <source>Signal60008-60023</source>
      <translation>動作エリア監視保護停止無効</translation>
    </message>
    <message>
      <source>Signal60024-60041</source>
      <translation>選択軸監視保護停止無効</translation>
    </message>
    <message>
      <source>Signal60042-60059</source>
      <translation>ユーザ速度監視保護停止無効</translation>
    </message>
    <message>
      <source>Signal60060-60067</source>
      <translation>ツール姿勢監視保護停止無効</translation>
    </message>
    <message>
      <source>Signal60068-60085</source>
      <translation>~停止監視</translation>
    </message>
    <message>
      <source>Signal60086</source>
      <translation>~SW安全柵開</translation>
    </message>
    <message>
      <source>Signal60087-60104</source>
      <translation>~ユーザ保護停止</translation>
    </message>
    <message>
      <source>Signal60105</source>
      <translation>~SW外部非常停止</translation>
    </message>
    <message>
      <source>Signal60106-60123</source>
      <translation>~ユーザ非常停止</translation>
    </message>
    <message>
      <source>Signal60124</source>
      <translation>SW外部イネーブル</translation>
    </message>
    <message>
      <source>Signal60125</source>
      <translation>安全シグネチャアラームリセット</translation>
    </message>
    <message>
      <source>Signal60126-60157</source>
      <translation>ユーザ安全出力溶着チェック</translation>
    </message>
    <message>
      <source>Signal60501-60532</source>
      <translation>ユーザ安全出力</translation>
    </message>
    <message>
      <source>Signal60533</source>
      <translation>ユーザ安全出力101</translation>
    </message>
    <message>
      <source>Signal60601-60664</source>
      <translation>ネットワーク安全出力</translation>
    </message>
  </context>
  <context>
    <name>LogicTableModel</name>
    <message>
      <source>Check</source>
      <translation>チェック</translation>
    </message>
    <message>
      <source>Drives</source>
      <translation>出力先</translation>
    </message>
    <message>
      <source>Input 1</source>
      <translation>入力1</translation>
    </message>
    <message>
      <source>Input 2</source>
      <translation>入力2</translation>
    </message>
    <message>
      <source>Operation</source>
      <translation>演算</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>結果</translation>
    </message>
  </context>
  <context>
    <name>LogicalOp</name>
    <message>
      <source>Apply</source>
      <translation>適用</translation>
    </message>
    <message>
      <source>Apply is blocked by errors (%1); the first is at result %2.</source>
      <translation>%1 件のエラーがあるため適用できません。最初のエラーは結果 %2 です。</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Clear operation</source>
      <translation>演算のクリア</translation>
    </message>
    <message>
      <source>Operations in use: %1   Errors: %2   Warnings: %3</source>
      <translation>使用中の演算: %1   エラー: %2   警告: %3</translation>
    </message>
    <message>
      <source>Result %1 = %2</source>
      <translation>結果 %1 = %2</translation>
    </message>
    <message>
      <source>Result %1 drives these signals. OK clears the operation and takes them off it; Cancel keeps everything.</source>
      <translation>結果 %1 は次の信号に割り当てられています。OKで演算をクリアし、これらの割当ても外します。キャンセルでは何も変更しません。</translation>
    </message>
    <message>
      <source>Result %1 is unused.</source>
      <translation>結果 %1 は未使用です。</translation>
    </message>
    <message>
      <source>Show only results in use</source>
      <translation>使用中の結果のみ表示</translation>
    </message>
  </context>
  <context>
    <name>LogicalOpDialog</name>
    <message>
      <source>LogicalOperation</source>
      <translation>論理演算</translation>
    </message>
  </context>
  <context>
    <name>LongMessageBox</name>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
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
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Close confirmation</source>
      <translation>終了の確認</translation>
    </message>
    <message>
      <source>Label CostBar</source>
      <translation>残り</translation>
    </message>
    <message>
      <source>No</source>
      <translation>いいえ</translation>
    </message>
    <message>
      <source>Sets up the safety monitoring unit of a robot controller.</source>
      <translation>ロボットコントローラの安全監視ユニットを設定します。</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to save it to a file?</source>
      <translation>安全パラメータに更新されたデータがあります。ファイルに保存しますか?</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to write to Orbilux?</source>
      <translation>安全パラメータに更新されたデータがあります。Orbiluxに書き込みますか?</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>はい</translation>
    </message>
  </context>
  <context>
    <name>MenuBar</name>
    <message>
      <source>Change Password(&amp;P)</source>
      <translation>パスワード変更(&amp;P)...</translation>
    </message>
    <message>
      <source>Chinese(&amp;C)</source>
      <translation>中国語(&amp;C)</translation>
    </message>
    <message>
      <source>English(&amp;E)</source>
      <translation>英語(&amp;E)</translation>
    </message>
    <message>
      <source>Export Safety Report(&amp;E)</source>
      <translation>安全レポートのエクスポート(&amp;E)...</translation>
    </message>
    <message>
      <source>File(&amp;F)</source>
      <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
      <source>Japanese(&amp;J)</source>
      <translation>日本語(&amp;J)</translation>
    </message>
    <message>
      <source>Korean(&amp;K)</source>
      <translation>韓国語(&amp;K)</translation>
    </message>
    <message>
      <source>Language Change Message</source>
      <translation>言語変更</translation>
    </message>
    <message>
      <source>Language(&amp;L)</source>
      <translation>言語(&amp;L)</translation>
    </message>
    <message>
      <source>Open File(&amp;O)</source>
      <translation>ファイルを開く(&amp;O)...</translation>
    </message>
    <message>
      <source>Orbilux(&amp;C)</source>
      <translation>Orbilux(&amp;C)</translation>
    </message>
    <message>
      <source>Output ParameterFile(&amp;S)</source>
      <translation>パラメータファイル出力(&amp;S)...</translation>
    </message>
    <message>
      <source>ParallelProjection(&amp;L)</source>
      <translation>平行投影(&amp;L)</translation>
    </message>
    <message>
      <source>PerspectiveProjection(&amp;S)</source>
      <translation>透視投影(&amp;S)</translation>
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
      <translation>Orbiluxから読込(&amp;R)</translation>
    </message>
    <message>
      <source>Read RobotData(&amp;B)</source>
      <translation>ロボットデータ読込(&amp;B)</translation>
    </message>
    <message>
      <source>Reset(&amp;0)</source>
      <translation>リセット(&amp;0)</translation>
    </message>
    <message>
      <source>Setting(&amp;S)</source>
      <translation>設定(&amp;S)</translation>
    </message>
    <message>
      <source>The language change will be reflected on the next startup.</source>
      <translation>言語の変更は次回の起動時に反映されます。</translation>
    </message>
    <message>
      <source>Verify File(&amp;V)</source>
      <translation>ファイルと照合(&amp;V)...</translation>
    </message>
    <message>
      <source>Verify Orbilux(&amp;V)</source>
      <translation>Orbiluxと照合(&amp;V)</translation>
    </message>
    <message>
      <source>View(&amp;V)</source>
      <translation>表示(&amp;V)</translation>
    </message>
    <message>
      <source>Write Orbilux(&amp;W)</source>
      <translation>Orbiluxへ書込(&amp;W)...</translation>
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
      <translation>信号名</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状態</translation>
    </message>
  </context>
  <context>
    <name>MonitoringDialog</name>
    <message>
      <source>Monitoring</source>
      <translation>モニタリング</translation>
    </message>
  </context>
  <context>
    <name>MonitoringFooter</name>
    <message>
      <source>Display</source>
      <translation>表示</translation>
    </message>
    <message>
      <source>OverrideFunction</source>
      <translation>オーバーライド機能</translation>
    </message>
  </context>
  <context>
    <name>MonitoringHeader</name>
    <message>
      <source>Button%1</source>
      <translation>安全ソフトウェア%1</translation>
    </message>
  </context>
  <context>
    <name>MonitoringJointPosition</name>
    <message>
      <source>CurrentFlangePosition</source>
      <translation>現在位置（フランジ点）</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>軸</translation>
    </message>
    <message>
      <source>PV</source>
      <translation>現在値</translation>
    </message>
    <message>
      <source>SV</source>
      <translation>指令値</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>単位</translation>
    </message>
  </context>
  <context>
    <name>MonitoringLogicalOperation</name>
    <message>
      <source>... and %1 more assignments</source>
      <translation>…ほか%1件の割付</translation>
    </message>
    <message>
      <source>IN1</source>
      <translation>入力1</translation>
    </message>
    <message>
      <source>IN2</source>
      <translation>入力2</translation>
    </message>
    <message>
      <source>OP</source>
      <translation>演算</translation>
    </message>
    <message>
      <source>OUT</source>
      <translation>割付</translation>
    </message>
    <message>
      <source>ResultNo</source>
      <translation>結果番号</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状態</translation>
    </message>
  </context>
  <context>
    <name>MonitoringMotionArea</name>
    <message>
      <source>Arm</source>
      <translation>アーム</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>信号名</translation>
    </message>
    <message>
      <source>SignalName%1_en</source>
      <translation>動作許可エリア%1内</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状態</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>ツール</translation>
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
      <translation>ネットワーク</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>信号名</translation>
    </message>
    <message>
      <source>SignalNo</source>
      <translation>信号番号</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>状態</translation>
    </message>
    <message>
      <source>User</source>
      <translation>ユーザー</translation>
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
      <translation>安全ソフトウェアA：ロボット（RZ）が指定したツール番号</translation>
    </message>
    <message>
      <source>Security softwareB</source>
      <translation>安全ソフトウェアB：安全ソフトウェアが現在監視しているツール番号</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>ツール番号</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>値</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolOrientation</name>
    <message>
      <source>SignalName%1_en</source>
      <translation>ツール姿勢範囲%1</translation>
    </message>
    <message>
      <source>SignalNameColumnLabel_en</source>
      <translation>信号名 - 動作許可</translation>
    </message>
  </context>
  <context>
    <name>MsgBox</name>
    <message>
      <source>Are you sure you want to clear input ? 
 If not please update.</source>
      <translation>入力内容を破棄してもよろしいですか？
破棄しない場合は更新してください。</translation>
    </message>
    <message>
      <source>Body UnsupportedModelError</source>
      <translation>この機種はサポートされていないため、アプリケーションを終了します。</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Clear Input</source>
      <translation>キャンセル</translation>
    </message>
    <message>
      <source>Device Change Message</source>
      <translation>変更確認</translation>
    </message>
    <message>
      <source>No</source>
      <translation>いいえ</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Please check your targetDevice (targetDevice change)</source>
      <translation>監視対象が変更されました。
変更前のロボットまたは装置は監視されなくなります。</translation>
    </message>
    <message>
      <source>Title UnsupportedModelError</source>
      <translation>未対応機種エラー</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>はい</translation>
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
      <translation>NWパラメータリセット</translation>
    </message>
    <message>
      <source>OCPUNID (Owner UNID)</source>
      <translation>OCPUNID（オーナーUNID）</translation>
    </message>
    <message>
      <source>Parameters not reset.</source>
      <translation>パラメータはリセットされていません。
ユニットが接続されていないか、コマンドを受け付けませんでした。</translation>
    </message>
    <message>
      <source>Parameters reset. Reboot.</source>
      <translation>パラメータをリセットしました。
コントローラの電源を入れ直してください。</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>リセット</translation>
    </message>
    <message>
      <source>SCID (Safety Configuration Identifier)</source>
      <translation>SCID（安全コンフィグレーション識別子）</translation>
    </message>
    <message>
      <source>SNN</source>
      <translation>SNN</translation>
    </message>
    <message>
      <source>TUNID (Target UNID)</source>
      <translation>TUNID（ターゲットUNID）</translation>
    </message>
    <message>
      <source>nodeId</source>
      <translation>nodeId</translation>
    </message>
    <message>
      <source>time-date</source>
      <translation>時刻-日付</translation>
    </message>
  </context>
  <context>
    <name>NetworkSafetyStatus</name>
    <message>
      <source>Connected</source>
      <translation>接続</translation>
    </message>
    <message>
      <source>ConnectionStatus</source>
      <translation>接続状態</translation>
    </message>
    <message>
      <source>Disconnected</source>
      <translation>未接続</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>IPアドレス</translation>
    </message>
    <message>
      <source>MacAddress</source>
      <translation>MACアドレス</translation>
    </message>
    <message>
      <source>ModuleStatusLED</source>
      <translation>モジュールステータス</translation>
    </message>
    <message>
      <source>NetworkStatusLED</source>
      <translation>ネットワークステータス</translation>
    </message>
    <message>
      <source>PortInfo</source>
      <translation>ポート</translation>
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
      <translation>コンフィグレーションアセンブリインスタンス</translation>
    </message>
    <message>
      <source>DeviceType</source>
      <translation>DeviceType</translation>
    </message>
    <message>
      <source>Input Assembly Instance</source>
      <translation>入力アセンブリインスタンス</translation>
    </message>
    <message>
      <source>Major Version</source>
      <translation>メジャーバージョン</translation>
    </message>
    <message>
      <source>Minor Version</source>
      <translation>マイナーバージョン</translation>
    </message>
    <message>
      <source>Output Assembly Instance</source>
      <translation>出力アセンブリインスタンス</translation>
    </message>
    <message>
      <source>ProductCode</source>
      <translation>ProductCode</translation>
    </message>
    <message>
      <source>Safety Input</source>
      <translation>安全入力</translation>
    </message>
    <message>
      <source>Safety Output</source>
      <translation>安全出力</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>サイズ</translation>
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
      <translation>デバイス</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Confirm</source>
      <translation>処理の残容量が少なくなっています。
設定数を見直してください。</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Disable</source>
      <translation>処理の残容量が不足しています。
エリア監視の設定を無効にしました。</translation>
    </message>
    <message>
      <source>Modal Title Cost Over</source>
      <translation>監視エリアエラー</translation>
    </message>
    <message>
      <source>No Device</source>
      <translation>デバイスなし</translation>
    </message>
    <message>
      <source>Robot</source>
      <translation>ロボット</translation>
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
      <translation>共通</translation>
    </message>
    <message>
      <source>string10</source>
      <translation>軸監視機能</translation>
    </message>
    <message>
      <source>string100</source>
      <translation>ツール姿勢範囲設定%1</translation>
    </message>
    <message>
      <source>string101</source>
      <translation>保護停止 有効/無効</translation>
    </message>
    <message>
      <source>string102</source>
      <translation>教示モードでの有効/無効</translation>
    </message>
    <message>
      <source>string103</source>
      <translation>高速確認モードでの有効/無効</translation>
    </message>
    <message>
      <source>string104</source>
      <translation>再生モードでの有効/無効</translation>
    </message>
    <message>
      <source>string105</source>
      <translation>対象ロボット/装置</translation>
    </message>
    <message>
      <source>string106</source>
      <translation>対象軸</translation>
    </message>
    <message>
      <source>string107</source>
      <translation>SW安全柵 有効/無効</translation>
    </message>
    <message>
      <source>string108</source>
      <translation>SW外部非常停止 有効/無効</translation>
    </message>
    <message>
      <source>string109</source>
      <translation>ユーザ安全入力%1</translation>
    </message>
    <message>
      <source>string11</source>
      <translation>速度監視機能</translation>
    </message>
    <message>
      <source>string110</source>
      <translation>論理式%1</translation>
    </message>
    <message>
      <source>string111</source>
      <translation>内部安全入力%1</translation>
    </message>
    <message>
      <source>string112</source>
      <translation>ユーザ安全出力%1</translation>
    </message>
    <message>
      <source>string113</source>
      <translation>ネットワーク安全出力%1</translation>
    </message>
    <message>
      <source>string114</source>
      <translation>座標系種別</translation>
    </message>
    <message>
      <source>string115</source>
      <translation>軸番号</translation>
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
      <translation>ツール姿勢監視機能</translation>
    </message>
    <message>
      <source>string120</source>
      <translation>α</translation>
    </message>
    <message>
      <source>string121</source>
      <translation>参照軸</translation>
    </message>
    <message>
      <source>string122</source>
      <translation>補正値</translation>
    </message>
    <message>
      <source>string123</source>
      <translation>補正モード</translation>
    </message>
    <message>
      <source>string124</source>
      <translation>バッファ0</translation>
    </message>
    <message>
      <source>string125</source>
      <translation>バッファ1</translation>
    </message>
    <message>
      <source>string126</source>
      <translation>バッファ2</translation>
    </message>
    <message>
      <source>string127</source>
      <translation>バッファ3</translation>
    </message>
    <message>
      <source>string128</source>
      <translation>バッファ4</translation>
    </message>
    <message>
      <source>string129</source>
      <translation>バッファ5</translation>
    </message>
    <message>
      <source>string13</source>
      <translation>停止監視機能</translation>
    </message>
    <message>
      <source>string130</source>
      <translation>バッファ6</translation>
    </message>
    <message>
      <source>string131</source>
      <translation>バッファ7</translation>
    </message>
    <message>
      <source>string132</source>
      <translation>バッファ8</translation>
    </message>
    <message>
      <source>string133</source>
      <translation>バッファ9</translation>
    </message>
    <message>
      <source>string134</source>
      <translation>軸種別</translation>
    </message>
    <message>
      <source>string135</source>
      <translation>分解能</translation>
    </message>
    <message>
      <source>string136</source>
      <translation>回転オフセット</translation>
    </message>
    <message>
      <source>string137</source>
      <translation>原点合わせ値</translation>
    </message>
    <message>
      <source>string138</source>
      <translation>偏差チェックしきい値</translation>
    </message>
    <message>
      <source>string139</source>
      <translation>エンコーダ値飛びチェックしきい値</translation>
    </message>
    <message>
      <source>string14</source>
      <translation>保護停止機能</translation>
    </message>
    <message>
      <source>string140</source>
      <translation>電源投入時チェック許容値</translation>
    </message>
    <message>
      <source>string141</source>
      <translation>空走時間</translation>
    </message>
    <message>
      <source>string142</source>
      <translation>制動減速度</translation>
    </message>
    <message>
      <source>string143</source>
      <translation>球/カプセル%1</translation>
    </message>
    <message>
      <source>string144</source>
      <translation>球/カプセル/直方体%1</translation>
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
      <translation>監視点%1</translation>
    </message>
    <message>
      <source>string148</source>
      <translation>速度種別</translation>
    </message>
    <message>
      <source>string149</source>
      <translation>対象軸 有効/無効</translation>
    </message>
    <message>
      <source>string15</source>
      <translation>非常停止機能</translation>
    </message>
    <message>
      <source>string150</source>
      <translation>半頂角</translation>
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
      <translation>教示モード時</translation>
    </message>
    <message>
      <source>string154</source>
      <translation>高速確認モード時</translation>
    </message>
    <message>
      <source>string155</source>
      <translation>再生モード時</translation>
    </message>
    <message>
      <source>string156</source>
      <translation>パルス診断</translation>
    </message>
    <message>
      <source>string157</source>
      <translation>フィルタ時間</translation>
    </message>
    <message>
      <source>string158</source>
      <translation>二重化論理</translation>
    </message>
    <message>
      <source>string159</source>
      <translation>不一致許容時間</translation>
    </message>
    <message>
      <source>string16</source>
      <translation>安全入力</translation>
    </message>
    <message>
      <source>string160</source>
      <translation>演算種別</translation>
    </message>
    <message>
      <source>string161</source>
      <translation>演算入力1</translation>
    </message>
    <message>
      <source>string162</source>
      <translation>演算入力2</translation>
    </message>
    <message>
      <source>string163</source>
      <translation>高速確認/再生モード時</translation>
    </message>
    <message>
      <source>string164</source>
      <translation>座標系番号</translation>
    </message>
    <message>
      <source>string165</source>
      <translation>種別</translation>
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
      <translation>論理演算</translation>
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
      <translation>X寸法</translation>
    </message>
    <message>
      <source>string174</source>
      <translation>Y寸法</translation>
    </message>
    <message>
      <source>string175</source>
      <translation>Z寸法</translation>
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
      <translation>軸範囲 有効/無効</translation>
    </message>
    <message>
      <source>string18</source>
      <translation>割付</translation>
    </message>
    <message>
      <source>string180</source>
      <translation>許可/禁止軸範囲</translation>
    </message>
    <message>
      <source>string181</source>
      <translation>軸範囲上限</translation>
    </message>
    <message>
      <source>string182</source>
      <translation>軸範囲下限</translation>
    </message>
    <message>
      <source>string183</source>
      <translation>Z</translation>
    </message>
    <message>
      <source>string184</source>
      <translation>停止監視</translation>
    </message>
    <message>
      <source>string185</source>
      <translation>座標系</translation>
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
      <translation>仕様</translation>
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
      <translation>領域監視モデル</translation>
    </message>
    <message>
      <source>string198</source>
      <translation>ツール姿勢範囲設定</translation>
    </message>
    <message>
      <source>string199</source>
      <translation>教示モード 停止カテゴリ0 空走時間</translation>
    </message>
    <message>
      <source>string2</source>
      <translation>ロボット/装置</translation>
    </message>
    <message>
      <source>string20</source>
      <translation>名称</translation>
    </message>
    <message>
      <source>string200</source>
      <translation>教示モード 停止カテゴリ0 制動減速度</translation>
    </message>
    <message>
      <source>string201</source>
      <translation>高速確認/再生モード 停止カテゴリ0 空走時間</translation>
    </message>
    <message>
      <source>string202</source>
      <translation>高速確認/再生モード 停止カテゴリ0 制動減速度</translation>
    </message>
    <message>
      <source>string203</source>
      <translation>停止カテゴリ1 空走時間</translation>
    </message>
    <message>
      <source>string204</source>
      <translation>メーカ設定 停止カテゴリ1 制動減速度</translation>
    </message>
    <message>
      <source>string205</source>
      <translation>ユーザ設定 停止カテゴリ1 制動減速度</translation>
    </message>
    <message>
      <source>string206</source>
      <translation>頂点座標X</translation>
    </message>
    <message>
      <source>string207</source>
      <translation>頂点座標Y</translation>
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
      <translation>製造番号</translation>
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
      <translation>DHパラメータ</translation>
    </message>
    <message>
      <source>string23</source>
      <translation>誘導補正</translation>
    </message>
    <message>
      <source>string24</source>
      <translation>座標系補正</translation>
    </message>
    <message>
      <source>string25</source>
      <translation>特殊補正</translation>
    </message>
    <message>
      <source>string26</source>
      <translation>軸設定</translation>
    </message>
    <message>
      <source>string27</source>
      <translation>基板枚数</translation>
    </message>
    <message>
      <source>string28</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>string29</source>
      <translation>入力設定</translation>
    </message>
    <message>
      <source>string3</source>
      <translation>安全I/O基板</translation>
    </message>
    <message>
      <source>string30</source>
      <translation>軸%1</translation>
    </message>
    <message>
      <source>string31</source>
      <translation>エンコーダ診断</translation>
    </message>
    <message>
      <source>string32</source>
      <translation>ツールID仕様</translation>
    </message>
    <message>
      <source>string33</source>
      <translation>ツールID変換テーブル</translation>
    </message>
    <message>
      <source>string34</source>
      <translation>ツール不一致時の移動距離許容値</translation>
    </message>
    <message>
      <source>string35</source>
      <translation>ツール%1</translation>
    </message>
    <message>
      <source>string36</source>
      <translation>減速監視</translation>
    </message>
    <message>
      <source>string37</source>
      <translation>停止対象</translation>
    </message>
    <message>
      <source>string38</source>
      <translation>停止距離推定</translation>
    </message>
    <message>
      <source>string39</source>
      <translation>アーム監視球/カプセル</translation>
    </message>
    <message>
      <source>string4</source>
      <translation>安全ネットワーク</translation>
    </message>
    <message>
      <source>string40</source>
      <translation>ツール監視球/カプセル/直方体</translation>
    </message>
    <message>
      <source>string41</source>
      <translation>セット%1</translation>
    </message>
    <message>
      <source>string42</source>
      <translation>常時軸監視</translation>
    </message>
    <message>
      <source>string43</source>
      <translation>選択軸監視</translation>
    </message>
    <message>
      <source>string44</source>
      <translation>アーム/装置の速度監視点</translation>
    </message>
    <message>
      <source>string45</source>
      <translation>ツールの速度監視点</translation>
    </message>
    <message>
      <source>string46</source>
      <translation>教示モード速度監視</translation>
    </message>
    <message>
      <source>string47</source>
      <translation>高速確認モード速度監視</translation>
    </message>
    <message>
      <source>string48</source>
      <translation>ユーザ速度監視</translation>
    </message>
    <message>
      <source>string49</source>
      <translation>安全柵保護停止</translation>
    </message>
    <message>
      <source>string5</source>
      <translation>運転モード</translation>
    </message>
    <message>
      <source>string50</source>
      <translation>ユーザ保護停止</translation>
    </message>
    <message>
      <source>string51</source>
      <translation>TP非常停止</translation>
    </message>
    <message>
      <source>string52</source>
      <translation>操作パネル非常停止</translation>
    </message>
    <message>
      <source>string53</source>
      <translation>外部/SW外部非常停止</translation>
    </message>
    <message>
      <source>string54</source>
      <translation>操作パネル/外部/SW外部非常停止</translation>
    </message>
    <message>
      <source>string55</source>
      <translation>ユーザ非常停止</translation>
    </message>
    <message>
      <source>string56</source>
      <translation>ユーザ安全入力</translation>
    </message>
    <message>
      <source>string57</source>
      <translation>論理式</translation>
    </message>
    <message>
      <source>string58</source>
      <translation>内部安全入力</translation>
    </message>
    <message>
      <source>string59</source>
      <translation>ユーザ安全出力</translation>
    </message>
    <message>
      <source>string6</source>
      <translation>自己診断</translation>
    </message>
    <message>
      <source>string60</source>
      <translation>ネットワーク安全出力</translation>
    </message>
    <message>
      <source>string61</source>
      <translation>名称%1</translation>
    </message>
    <message>
      <source>string62</source>
      <translation>装置%1</translation>
    </message>
    <message>
      <source>string63</source>
      <translation>割付%1</translation>
    </message>
    <message>
      <source>string64</source>
      <translation>座標系%1</translation>
    </message>
    <message>
      <source>string65</source>
      <translation>特殊補正%1</translation>
    </message>
    <message>
      <source>string66</source>
      <translation>有効/無効</translation>
    </message>
    <message>
      <source>string67</source>
      <translation>偏差チェック時間</translation>
    </message>
    <message>
      <source>string68</source>
      <translation>位置現在値/指令値診断</translation>
    </message>
    <message>
      <source>string69</source>
      <translation>TCP X</translation>
    </message>
    <message>
      <source>string7</source>
      <translation>ツール設定</translation>
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
      <translation>軸最大速度</translation>
    </message>
    <message>
      <source>string76</source>
      <translation>監視無効時間</translation>
    </message>
    <message>
      <source>string77</source>
      <translation>設定減速時間</translation>
    </message>
    <message>
      <source>string78</source>
      <translation>超過許容時間</translation>
    </message>
    <message>
      <source>string79</source>
      <translation>停止判定エンコーダしきい値</translation>
    </message>
    <message>
      <source>string8</source>
      <translation>減速監視/停止監視</translation>
    </message>
    <message>
      <source>string80</source>
      <translation>停止監視軸移動量しきい値</translation>
    </message>
    <message>
      <source>string81</source>
      <translation>停止カテゴリ0</translation>
    </message>
    <message>
      <source>string82</source>
      <translation>停止カテゴリ1</translation>
    </message>
    <message>
      <source>string83</source>
      <translation>メーカ設定</translation>
    </message>
    <message>
      <source>string84</source>
      <translation>ユーザ設定</translation>
    </message>
    <message>
      <source>string85</source>
      <translation>有効/無効</translation>
    </message>
    <message>
      <source>string86</source>
      <translation>許可/禁止領域</translation>
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
      <translation>頂点数</translation>
    </message>
    <message>
      <source>string9</source>
      <translation>動作領域監視機能</translation>
    </message>
    <message>
      <source>string90</source>
      <translation>頂点座標%1</translation>
    </message>
    <message>
      <source>string91</source>
      <translation>教示モード保護停止 有効/無効</translation>
    </message>
    <message>
      <source>string92</source>
      <translation>高速確認モード保護停止 有効/無効</translation>
    </message>
    <message>
      <source>string93</source>
      <translation>再生モード保護停止 有効/無効</translation>
    </message>
    <message>
      <source>string94</source>
      <translation>停止カテゴリ</translation>
    </message>
    <message>
      <source>string95</source>
      <translation>停止距離推定 有効/無効</translation>
    </message>
    <message>
      <source>string96</source>
      <translation>軸範囲設定</translation>
    </message>
    <message>
      <source>string97</source>
      <translation>制限速度</translation>
    </message>
    <message>
      <source>string98</source>
      <translation>アーム/装置速度監視点 有効/無効</translation>
    </message>
    <message>
      <source>string99</source>
      <translation>ツール速度監視点 有効/無効</translation>
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
      <translation>領域%1: 有効、描画なし (頂点またはZ範囲が使用できません)</translation>
    </message>
    <message>
      <source>Area %1: forbidden, Z %2 to %3 mm</source>
      <translation>領域%1: 禁止、Z %2 〜 %3 mm</translation>
    </message>
    <message>
      <source>Area %1: permitted, Z %2 to %3 mm</source>
      <translation>領域%1: 許可、Z %2 〜 %3 mm</translation>
    </message>
    <message>
      <source>Arm model %1: enabled, not drawn (its values are not usable)</source>
      <translation>アーム監視モデル%1: 有効、描画なし (値が使用できません)</translation>
    </message>
    <message>
      <source>Arm model, maker setting</source>
      <translation>アーム監視モデル (メーカ設定)</translation>
    </message>
    <message>
      <source>Arm model, user setting</source>
      <translation>アーム監視モデル (ユーザ設定)</translation>
    </message>
    <message>
      <source>Forbidden area</source>
      <translation>禁止領域</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every %2 mm.</source>
      <translation>グリッド線は%1 mmごと、太線は%2 mmごとです。</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every 1000 mm.</source>
      <translation>グリッド線は%1 mmごと、太線は1000 mmごとです。</translation>
    </message>
    <message>
      <source>No motion area is enabled.</source>
      <translation>有効な動作領域はありません。</translation>
    </message>
    <message>
      <source>Permitted area</source>
      <translation>許可領域</translation>
    </message>
    <message>
      <source>Robot in its home pose (all joints at 0)</source>
      <translation>ホーム姿勢 (全軸0) のロボット</translation>
    </message>
    <message>
      <source>Tool model %1 of tool 1: enabled, not drawn (its values are not usable)</source>
      <translation>ツール1のツール監視モデル%1: 有効、描画なし (値が使用できません)</translation>
    </message>
    <message>
      <source>Tool model of tool 1</source>
      <translation>ツール1のツール監視モデル</translation>
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
      <translation>動作エリアモデル</translation>
    </message>
    <message>
      <source>AreaNo</source>
      <translation>エリア</translation>
    </message>
    <message>
      <source>Item Forbidden</source>
      <translation>禁止</translation>
    </message>
    <message>
      <source>Item Permitted</source>
      <translation>許可</translation>
    </message>
    <message>
      <source>Label Cost Left %1 %2</source>
      <translation>残り処理容量:
%1 / %2</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>パラメータ</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>停止カテゴリ0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>停止カテゴリ1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>Warning Concave</source>
      <translation>輪郭が凸形ではありません。</translation>
    </message>
    <message>
      <source>Warning Crossing</source>
      <translation>輪郭が交差しています。</translation>
    </message>
    <message>
      <source>Warning Repeated Vertex %1 %2</source>
      <translation>頂点%1と頂点%2が重なっています。</translation>
    </message>
    <message>
      <source>Warning Z Order</source>
      <translation>Z上限がZ下限より下にあります。</translation>
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
      <translation>アーム監視モデル</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>コピー</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>メーカー</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>ユーザー</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>軸番号</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>モデル番号</translation>
    </message>
    <message>
      <source>Outside their limits in the set not shown (%1):</source>
      <translation>表示されていないセット（%1）の制限外の値:</translation>
    </message>
    <message>
      <source>Outside their limits, shown on no page:</source>
      <translation>どのページにも表示されない制限外の値:</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>パラメータ</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>貼り付け</translation>
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
      <translation>座標番号設定</translation>
    </message>
    <message>
      <source>capsule</source>
      <translation>カプセル</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>球</translation>
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
      <translation>アーム/デバイス上の速度監視点</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>座標番号</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>コピー</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>メーカー</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>ユーザー</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>無効</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>軸番号</translation>
    </message>
    <message>
      <source>Label Category</source>
      <translation>仕様</translation>
    </message>
    <message>
      <source>MonitoringPoint</source>
      <translation>監視点</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>貼り付け</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>速度監視点設定</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>座標番号設定</translation>
    </message>
  </context>
  <context>
    <name>Property::CustomSpeed</name>
    <message>
      <source>%1 points on the arm and devices, %2 on tools</source>
      <translation>アーム・デバイス上 %1 点、ツール上 %2 点</translation>
    </message>
    <message>
      <source>Monitoring Points...</source>
      <translation>監視点...</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>速度監視点</translation>
    </message>
  </context>
  <context>
    <name>Property::Joint</name>
    <message>
      <source>Disabled</source>
      <translation>無効</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>有効</translation>
    </message>
    <message>
      <source>Forbidden</source>
      <translation>禁止</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>軸</translation>
    </message>
    <message>
      <source>Joint %1 %2: %3</source>
      <translation>軸%1 %2: %3</translation>
    </message>
    <message>
      <source>Joint %1: the lower limit lies above the upper limit.</source>
      <translation>軸%1: 下限が上限を超えています。</translation>
    </message>
    <message>
      <source>Joint %1: the range leaves the constant range %2 to %3%4.</source>
      <translation>軸%1: 範囲が常時監視範囲 %2 ～ %3%4 を外れています。</translation>
    </message>
    <message>
      <source>Lower</source>
      <translation>下限</translation>
    </message>
    <message>
      <source>Outside their limits, not shown for this target:</source>
      <translation>制限外の値（この対象では表示されません）:</translation>
    </message>
    <message>
      <source>Permitted</source>
      <translation>許可</translation>
    </message>
    <message>
      <source>Range</source>
      <translation>範囲</translation>
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
      <translation>機能無効</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>機能有効</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Enabled</source>
      <translation>高速確認モード有効</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Speed Limit</source>
      <translation>速度上限</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Stop Category</source>
      <translation>停止カテゴリ</translation>
    </message>
    <message>
      <source>Label Teach Mode Enabled</source>
      <translation>教示モード有効</translation>
    </message>
    <message>
      <source>Label Teach Mode Speed Limit</source>
      <translation>速度上限</translation>
    </message>
    <message>
      <source>Label Teach Mode Stop Category</source>
      <translation>停止カテゴリ</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>モード別速度監視</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>停止カテゴリ0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>停止カテゴリ1</translation>
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
      <translation>不一致許容時間</translation>
    </message>
    <message>
      <source>DuplexLogic</source>
      <translation>二重化論理</translation>
    </message>
    <message>
      <source>FilterTime</source>
      <translation>フィルタ時間</translation>
    </message>
    <message>
      <source>PulseDiagnosisEnabled</source>
      <translation>パルス診断有効</translation>
    </message>
    <message>
      <source>Safety Input Setting</source>
      <translation>ユーザ安全入力</translation>
    </message>
    <message>
      <source>UserSafetyInput</source>
      <translation>ユーザ安全入力</translation>
    </message>
  </context>
  <context>
    <name>Property::SafetySignatureCRC</name>
    <message>
      <source>MonitorCRC</source>
      <translation>監視設定CRC</translation>
    </message>
    <message>
      <source>MonitorUpdateTime</source>
      <translation>監視設定更新日時</translation>
    </message>
    <message>
      <source>Safety Signature CRC</source>
      <translation>安全署名</translation>
    </message>
    <message>
      <source>SignalCRC</source>
      <translation>信号設定CRC</translation>
    </message>
    <message>
      <source>SignalUpdateTime</source>
      <translation>信号設定更新日時</translation>
    </message>
    <message>
      <source>SystemCRC</source>
      <translation>システム設定CRC</translation>
    </message>
    <message>
      <source>SystemUpdateTime</source>
      <translation>システム設定更新日時</translation>
    </message>
    <message>
      <source>WholeCRC</source>
      <translation>全体設定CRC</translation>
    </message>
    <message>
      <source>WholeUpdateTime</source>
      <translation>全体設定更新日時</translation>
    </message>
  </context>
  <context>
    <name>Property::SetPanel</name>
    <message>
      <source>Function</source>
      <translation>機能</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>機能有効</translation>
    </message>
  </context>
  <context>
    <name>Property::SettingCommon</name>
    <message>
      <source>%1 hold the same value %2.</source>
      <translation>%1 は同じ値 %2 を持っています。</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>ツール</translation>
    </message>
  </context>
  <context>
    <name>Property::StopDistanceEstimation</name>
    <message>
      <source>Maker</source>
      <translation>メーカ</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>仕様</translation>
    </message>
    <message>
      <source>Stop Distance Estimation</source>
      <translation>停止距離推定</translation>
    </message>
    <message>
      <source>StopDistanceEstimation Maker</source>
      <translation>メーカ設定値</translation>
    </message>
    <message>
      <source>User</source>
      <translation>ユーザ</translation>
    </message>
  </context>
  <context>
    <name>Property::StopItems</name>
    <message>
      <source>Function</source>
      <translation>機能</translation>
    </message>
  </context>
  <context>
    <name>Property::StopMonitoring</name>
    <message>
      <source>CheckBox disableJoint</source>
      <translation>無効</translation>
    </message>
    <message>
      <source>CheckBox enableCheckMode</source>
      <translation>高速確認モードで有効</translation>
    </message>
    <message>
      <source>CheckBox enableRepeatMode</source>
      <translation>再生モードで有効</translation>
    </message>
    <message>
      <source>CheckBox enableTeachMode</source>
      <translation>教示モードで有効</translation>
    </message>
    <message>
      <source>Function</source>
      <translation>機能</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>機能有効</translation>
    </message>
    <message>
      <source>Label threshold for stop monitoring:</source>
      <translation>停止判定しきい値:</translation>
    </message>
    <message>
      <source>Set%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>Stop Monitoring</source>
      <translation>停止監視</translation>
    </message>
    <message>
      <source>enableJoint</source>
      <translation>有効</translation>
    </message>
    <message>
      <source>targetDevice</source>
      <translation>対象デバイス</translation>
    </message>
    <message>
      <source>targetJoint</source>
      <translation>対象軸</translation>
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
      <translation>無効</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>有効</translation>
    </message>
    <message>
      <source>IP address is incorrect</source>
      <translation>IPアドレスが正しくありません</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>接続先IPアドレス</translation>
    </message>
    <message>
      <source>IPAddress Change Error</source>
      <translation>IPアドレス範囲外</translation>
    </message>
    <message>
      <source>IPAddress Change Message</source>
      <translation>変更確認</translation>
    </message>
    <message>
      <source>IPAddress Save Error</source>
      <translation>IPアドレス保存エラー</translation>
    </message>
    <message>
      <source>IoBoards</source>
      <translation>I/Oボード枚数</translation>
    </message>
    <message>
      <source>Label safetyNetwork</source>
      <translation>安全ネットワーク</translation>
    </message>
    <message>
      <source>OpeMode</source>
      <translation>運転モード入力</translation>
    </message>
    <message>
      <source>ParamVer</source>
      <translation>パラメータバージョン</translation>
    </message>
    <message>
      <source>Please app restart</source>
      <translation>IPアドレスが変更されました。
アプリケーションを再起動してください。</translation>
    </message>
    <message>
      <source>Please check config file</source>
      <translation>IPアドレスを設定ファイルに書き込めませんでした。
以前のアドレスが引き続き使用されます。</translation>
    </message>
    <message>
      <source>Please check your Safety input/output signal</source>
      <translation>I/Oボード枚数が変更されました。
安全入出力信号を確認してください。</translation>
    </message>
    <message>
      <source>Safety IO Change Message</source>
      <translation>変更確認</translation>
    </message>
    <message>
      <source>SoftVer</source>
      <translation>ソフトウェアバージョン</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>仕様</translation>
    </message>
    <message>
      <source>Spec Automaker</source>
      <translation>自動車メーカ</translation>
    </message>
    <message>
      <source>Spec Clean</source>
      <translation>クリーン</translation>
    </message>
    <message>
      <source>Spec Standard</source>
      <translation>標準</translation>
    </message>
    <message>
      <source>System</source>
      <translation>システム設定</translation>
    </message>
    <message>
      <source>item Operation Panel</source>
      <translation>操作パネル</translation>
    </message>
    <message>
      <source>item User</source>
      <translation>ユーザ</translation>
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
      <translation>コピー</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>種類</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>モデル番号</translation>
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
      <translation>パラメータ</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>貼り付け</translation>
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
      <translation>ツール</translation>
    </message>
    <message>
      <source>ToolModelSetting</source>
      <translation>ツール監視モデル</translation>
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
      <translation>カプセル</translation>
    </message>
    <message>
      <source>cuboid</source>
      <translation>直方体</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>球</translation>
    </message>
    <message>
      <source>width</source>
      <translation>幅</translation>
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
      <translation>変更確認</translation>
    </message>
    <message>
      <source>EulerAngleA</source>
      <translation>オイラー角A</translation>
    </message>
    <message>
      <source>EulerAngleO</source>
      <translation>オイラー角O</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>機能有効</translation>
    </message>
    <message>
      <source>HalfTopAngle</source>
      <translation>半頂角</translation>
    </message>
    <message>
      <source>Since all the ranges 1-%1 are invalid, the tool orientation monitoring set %2 is disabled.</source>
      <translation>範囲1-%1がすべて無効のため、ツール姿勢監視セット%2を無効にします。</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>停止カテゴリ0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>停止カテゴリ1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>ToolOrientationRange</source>
      <translation>ツール姿勢範囲</translation>
    </message>
    <message>
      <source>ToolOrientationRangeSetting</source>
      <translation>ツール姿勢範囲設定</translation>
    </message>
    <message>
      <source>ToolOrientationSet</source>
      <translation>ツール姿勢監視セット</translation>
    </message>
    <message>
      <source>ToolOrientationSetSetting</source>
      <translation>ツール姿勢監視セット設定</translation>
    </message>
    <message>
      <source>enableCheckMode</source>
      <translation>チェック早送りモードで有効</translation>
    </message>
    <message>
      <source>enableRepeatMode</source>
      <translation>再生モードで有効</translation>
    </message>
    <message>
      <source>enableTeachMode</source>
      <translation>教示モードで有効</translation>
    </message>
    <message>
      <source>label Stop Cat</source>
      <translation>停止カテゴリ</translation>
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
      <translation>コピー</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>監視点</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>貼り付け</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>速度監視点設定</translation>
    </message>
    <message>
      <source>Tool Speed Monitoring Points</source>
      <translation>ツール上の速度監視点</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>ツール番号</translation>
    </message>
  </context>
  <context>
    <name>PropertyWidget</name>
    <message>
      <source>Cancel</source>
      <translation>キャンセル</translation>
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
      <translation>%1: 無効な信号番号です。</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>リセット</translation>
    </message>
  </context>
  <context>
    <name>SafetyReport</name>
    <message>
      <source>%1, not signed</source>
      <translation>%1、署名なし</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>全データCRC</translation>
    </message>
    <message>
      <source>Checked by</source>
      <translation>確認者</translation>
    </message>
    <message>
      <source>Column</source>
      <translation>列</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>日付</translation>
    </message>
    <message>
      <source>Every value outside its limits, not finite or whose file text was not kept, with its number as marked on the pages. Rows and columns count from 1 as in a parameter file.</source>
      <translation>範囲外の値、有限でない値、およびファイルの記述どおりに保持できなかった値をすべて、各ページに付けた番号とともに示します。行と列はパラメータファイルと同じく1から数えます。</translation>
    </message>
    <message>
      <source>Findings</source>
      <translation>検出事項</translation>
    </message>
    <message>
      <source>Formula</source>
      <translation>演算式</translation>
    </message>
    <message>
      <source>Limits</source>
      <translation>範囲</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>氏名</translation>
    </message>
    <message>
      <source>No logical operation is in use.</source>
      <translation>使用中の論理演算はありません。</translation>
    </message>
    <message>
      <source>No.</source>
      <translation>番号</translation>
    </message>
    <message>
      <source>None.</source>
      <translation>ありません。</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>出力先</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>ページ</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>パラメータ</translation>
    </message>
    <message>
      <source>Plan view</source>
      <translation>平面図 (XY)</translation>
    </message>
    <message>
      <source>Report date</source>
      <translation>レポート作成日時</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>演算結果</translation>
    </message>
    <message>
      <source>Robot type</source>
      <translation>ロボット機種</translation>
    </message>
    <message>
      <source>Row</source>
      <translation>行</translation>
    </message>
    <message>
      <source>Rows whose values are all 0 and within their limits are not listed.</source>
      <translation>すべての値が0で範囲内の行は記載していません。</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>安全レポート</translation>
    </message>
    <message>
      <source>Signal assignments whose file text was not kept:</source>
      <translation>ファイルの記述どおりに保持できなかった信号割り当て:</translation>
    </message>
    <message>
      <source>Signals assigned a number that is no result:</source>
      <translation>結果番号ではない値が割り当てられた信号:</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>署名</translation>
    </message>
    <message>
      <source>Source</source>
      <translation>読込元</translation>
    </message>
    <message>
      <source>The report shows the set as last read, or as last written to Orbilux; changes applied since then are not in it, even where they were saved to a parameter file.</source>
      <translation>このレポートは、最後に読み込んだ、または最後に Orbilux に書き込んだパラメータを示します。その後に適用した変更は、パラメータファイルに保存した場合でも含まれません。</translation>
    </message>
    <message>
      <source>The report shows the set as last read, written or saved; changes applied since then are not in it.</source>
      <translation>このレポートは最後に読み込み、書き込み、または保存したパラメータを示します。その後に適用した変更は含まれません。</translation>
    </message>
    <message>
      <source>The safety report was written.
Filename: %1</source>
      <translation>安全レポートを書き込みました。
ファイル名: %1</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>単位</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>値</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>範囲外の値</translation>
    </message>
    <message>
      <source>Values outside their limits are marked.</source>
      <translation>範囲外の値を強調表示しています。</translation>
    </message>
    <message>
      <source>Writing the safety report...</source>
      <translation>安全レポートを書き込んでいます...</translation>
    </message>
    <message>
      <source>no page</source>
      <translation>ページなし</translation>
    </message>
  </context>
  <context>
    <name>Scene::SceneSignals</name>
    <message>
      <source>AreaModel</source>
      <translation>領域監視モデル</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>アーム監視モデル</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>アーム/デバイス上の速度監視点</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>カスタム速度監視</translation>
    </message>
    <message>
      <source>EmergencyStop</source>
      <translation>非常停止</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>ホーム</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>軸</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>論理演算</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>モード別速度監視</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>モニタリング</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>非常停止</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>軸</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>軸位置</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>論理演算</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>動作領域</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>保護停止</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>安全入力</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>安全出力</translation>
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
      <translation>ツールID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>ツール姿勢</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>ネットワークパラメータ</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>ネットワーク安全ステータス</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>ネットワークステータス</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>安全レポート出力</translation>
    </message>
    <message>
      <source>ProtectiveStopSafetyFence</source>
      <translation>保護停止（安全柵）</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>ユーザー保護停止</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>安全入力</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>共通</translation>
    </message>
    <message>
      <source>StopDistanceEstimation</source>
      <translation>停止距離推定</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>停止監視</translation>
    </message>
    <message>
      <source>System</source>
      <translation>システム</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>ツール監視モデル</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>ツール姿勢</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>ツール上の速度監視点</translation>
    </message>
  </context>
  <context>
    <name>SpeedPointDialog</name>
    <message>
      <source>Above the limit of the word: kept as stored.</source>
      <translation>ワードの上限を超えるビットです。保存値のまま保持します。</translation>
    </message>
    <message>
      <source>Bit %1</source>
      <translation>ビット%1</translation>
    </message>
    <message>
      <source>Bits in red lie above the limit of their word; they are kept as stored.</source>
      <translation>赤色のビットはワードの上限を超えています。保存値のまま保持します。</translation>
    </message>
    <message>
      <source>No known meaning: kept as stored.</source>
      <translation>意味が不明のビットです。保存値のまま保持します。</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>速度監視点</translation>
    </message>
    <message>
      <source>Word %1</source>
      <translation>ワード%1</translation>
    </message>
  </context>
  <context>
    <name>StartupWindow</name>
    <message>
      <source>Reading robot parameters...</source>
      <translation>ロボットパラメータを読み込んでいます...</translation>
    </message>
  </context>
  <context>
    <name>StatusLine</name>
    <message>
      <source>All data CRC</source>
      <translation>全データCRC</translation>
    </message>
    <message>
      <source>All data CRC %1</source>
      <translation>全データ CRC %1</translation>
    </message>
    <message>
      <source>Applied changes not yet written</source>
      <translation>適用済みの変更は未書き込みです</translation>
    </message>
    <message>
      <source>Not checked (stored as 9894): %1</source>
      <translation>未検査（9894 として保存）: %1</translation>
    </message>
    <message>
      <source>Not signed</source>
      <translation>署名なし</translation>
    </message>
    <message>
      <source>Orbilux (%1)</source>
      <translation>Orbilux (%1)</translation>
    </message>
    <message>
      <source>Robot data: %1</source>
      <translation>ロボットデータ: %1</translation>
    </message>
    <message>
      <source>Robot data: %1, not signed</source>
      <translation>ロボットデータ: %1、署名なし</translation>
    </message>
    <message>
      <source>Source: %1</source>
      <translation>読込元: %1</translation>
    </message>
    <message>
      <source>Source: %1, not signed</source>
      <translation>読込元: %1、署名なし</translation>
    </message>
  </context>
  <context>
    <name>SubMenuTable</name>
    <message>
      <source>Enabled</source>
      <translation>有効</translation>
    </message>
    <message>
      <source>Item</source>
      <translation>項目</translation>
    </message>
    <message>
      <source>Visible</source>
      <translation>表示</translation>
    </message>
  </context>
  <context>
    <name>ValueValidator</name>
    <message>
      <source>%1 to %2</source>
      <translation>%1 〜 %2</translation>
    </message>
    <message>
      <source>(file: %1)</source>
      <translation>(ファイル: %1)</translation>
    </message>
    <message>
      <source>limits %1</source>
      <translation>範囲 %1</translation>
    </message>
  </context>
  <context>
    <name>WaitDialog</name>
    <message>
      <source>Writing parameters...</source>
      <translation>パラメータを書き込んでいます...</translation>
    </message>
  </context>
</TS>
