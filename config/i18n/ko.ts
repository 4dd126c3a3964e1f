<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
  <context>
    <name>AxisToCoordinateNo</name>
    <message>
      <source>Axis No</source>
      <translation>축 번호</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>좌표 번호</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>무효</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>확인</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>좌표 번호 설정</translation>
    </message>
  </context>
  <context>
    <name>CoordinateChoice</name>
    <message>
      <source>Item Invalid</source>
      <translation>무효</translation>
    </message>
  </context>
  <context>
    <name>DataProvider</name>
    <message>
      <source>%1 canceled</source>
      <translation>%1 취소</translation>
    </message>
    <message>
      <source>%1 completed</source>
      <translation>%1 완료</translation>
    </message>
    <message>
      <source>%1 error</source>
      <translation>%1 오류</translation>
    </message>
    <message>
      <source>%1 timed out</source>
      <translation>%1 시간 초과</translation>
    </message>
    <message>
      <source>%1 values of the file's robot part were not taken: the robot data held stays</source>
      <translation>파일의 로봇 부분 값 %1개를 가져오지 않았습니다: 보유 중인 로봇 데이터가 유지됩니다</translation>
    </message>
    <message>
      <source>%1: %2 (was %3)</source>
      <translation>%1: %2 (이전 %3)</translation>
    </message>
    <message>
      <source>%1: 9894, not checked</source>
      <translation>%1: 9894, 검사되지 않음</translation>
    </message>
    <message>
      <source>%1: file %2, held %3</source>
      <translation>%1: 파일 %2, 보유 %3</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>... 외 %1개</translation>
    </message>
    <message>
      <source>1 value of the file's robot part was not taken: the robot data held stays</source>
      <translation>파일의 로봇 부분 값 1개를 가져오지 않았습니다: 보유 중인 로봇 데이터가 유지됩니다</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>전체 데이터 CRC</translation>
    </message>
    <message>
      <source>Applied changes are not yet written. Open another file and lose them?</source>
      <translation>적용된 변경 사항이 아직 기록되지 않았습니다. 다른 파일을 열고 변경 사항을 잃으시겠습니까?</translation>
    </message>
    <message>
      <source>Applied data</source>
      <translation>적용 데이터</translation>
    </message>
    <message>
      <source>Body InitialOBXReadError</source>
      <translation>Orbilux에서 안전 파라미터를 읽지 못했습니다. 애플리케이션을 종료합니다.</translation>
    </message>
    <message>
      <source>Body NG:COMM</source>
      <translation>컨트롤러 내부 통신에 실패했습니다.</translation>
    </message>
    <message>
      <source>Body NG:MTRON</source>
      <translation>로봇 모터가 켜져 있습니다. 모터를 끈 후 다시 시도하십시오.</translation>
    </message>
    <message>
      <source>Body NG:ROBOTBUSY</source>
      <translation>로봇이 동작 중입니다. 로봇을 정지한 후 다시 시도하십시오.</translation>
    </message>
    <message>
      <source>Body NG:R_SFPRMBIN</source>
      <translation>Orbilux의 사용자 파라미터가 초기화되지 않았습니다.</translation>
    </message>
    <message>
      <source>Body NG:SEMA</source>
      <translation>컨트롤러가 다른 요청을 처리 중입니다.</translation>
    </message>
    <message>
      <source>Body can not connect</source>
      <translation>컨트롤러와 통신할 수 없습니다.</translation>
    </message>
    <message>
      <source>Body canceled</source>
      <translation>작업을 취소했습니다.</translation>
    </message>
    <message>
      <source>Body command error</source>
      <translation>컨트롤러가 명령을 거부했습니다.</translation>
    </message>
    <message>
      <source>Body file format error</source>
      <translation>올바른 파라미터 파일이 아니거나 CRC가 데이터와 일치하지 않습니다.</translation>
    </message>
    <message>
      <source>Body file read error</source>
      <translation>파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
      <source>Body file write error</source>
      <translation>파일에 쓸 수 없습니다.</translation>
    </message>
    <message>
      <source>Body no data</source>
      <translation>파일에 파라미터 데이터가 없습니다.</translation>
    </message>
    <message>
      <source>Body timeout</source>
      <translation>컨트롤러가 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
      <source>Body transfer error</source>
      <translation>컨트롤러와의 파일 전송에 실패했습니다.</translation>
    </message>
    <message>
      <source>Body unknown error</source>
      <translation>알 수 없는 오류가 발생했습니다.</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>비밀번호 변경</translation>
    </message>
    <message>
      <source>Differences were found: %1</source>
      <translation>차이가 있습니다: %1건</translation>
    </message>
    <message>
      <source>Failed to publish safety report.</source>
      <translation>안전 보고서를 출력하지 못했습니다.</translation>
    </message>
    <message>
      <source>File</source>
      <translation>파일</translation>
    </message>
    <message>
      <source>Filename: %1</source>
      <translation>파일 이름: %1</translation>
    </message>
    <message>
      <source>Monitor Settings CRC</source>
      <translation>감시 설정 CRC</translation>
    </message>
    <message>
      <source>No differences were found.</source>
      <translation>차이가 없습니다.</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>파일 열기</translation>
    </message>
    <message>
      <source>Orbilux</source>
      <translation>Orbilux</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>파라미터 파일 출력</translation>
    </message>
    <message>
      <source>Parameter set read at start-up</source>
      <translation>시작 시 읽은 파라미터 세트</translation>
    </message>
    <message>
      <source>Read Orbilux</source>
      <translation>Orbilux 읽기</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>로봇 데이터 읽기</translation>
    </message>
    <message>
      <source>Read the safety parameters from Orbilux?
Changes that were not written are discarded.</source>
      <translation>Orbilux에서 안전 파라미터를 읽겠습니까?
쓰지 않은 변경 내용은 삭제됩니다.</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>안전 보고서</translation>
    </message>
    <message>
      <source>Safety report published. Filename: %1</source>
      <translation>안전 보고서를 출력했습니다. 파일 이름: %1</translation>
    </message>
    <message>
      <source>Signal Settings CRC</source>
      <translation>신호 설정 CRC</translation>
    </message>
    <message>
      <source>Startup default set invalid</source>
      <translation>기본 파라미터 세트 %1을(를) 읽을 수 없습니다: 올바른 파라미터 파일이 아니거나 CRC가 데이터와 일치하지 않습니다.</translation>
    </message>
    <message>
      <source>Startup default set unreadable</source>
      <translation>기본 파라미터 세트 %1을(를) 읽을 수 없습니다: 파일이 없거나 너무 크거나 열 수 없습니다.</translation>
    </message>
    <message>
      <source>Startup no ParameterPath</source>
      <translation>기본 파라미터 세트를 읽을 수 없습니다: 설정 파일 config.ini에 "ParameterPath"가 없습니다.</translation>
    </message>
    <message>
      <source>System Settings CRC</source>
      <translation>시스템 설정 CRC</translation>
    </message>
    <message>
      <source>The parameter file was read.
Filename: %1</source>
      <translation>파라미터 파일을 읽었습니다.
파일 이름: %1</translation>
    </message>
    <message>
      <source>The parameter file was written.
Filename: %1</source>
      <translation>파라미터 파일을 출력했습니다.
파일 이름: %1</translation>
    </message>
    <message>
      <source>The password was changed.</source>
      <translation>비밀번호를 변경했습니다.</translation>
    </message>
    <message>
      <source>The robot data file is not signed: %1</source>
      <translation>로봇 데이터 파일이 서명되지 않았습니다: %1</translation>
    </message>
    <message>
      <source>The robot data was read.
Filename: %1</source>
      <translation>로봇 데이터를 읽었습니다.
파일 이름: %1</translation>
    </message>
    <message>
      <source>The robot's motors are on.
Turn the motors off, then choose Yes to write the parameters.</source>
      <translation>로봇 모터가 켜져 있습니다.
모터를 끈 후 [예]를 선택하면 파라미터를 씁니다.</translation>
    </message>
    <message>
      <source>The safety parameters were read from Orbilux.</source>
      <translation>Orbilux에서 안전 파라미터를 읽었습니다.</translation>
    </message>
    <message>
      <source>The safety parameters were written to Orbilux.</source>
      <translation>Orbilux에 안전 파라미터를 썼습니다.</translation>
    </message>
    <message>
      <source>These parameters differ.</source>
      <translation>다음 파라미터가 다릅니다.</translation>
    </message>
    <message>
      <source>Title InitialOBXReadError</source>
      <translation>초기 읽기 오류</translation>
    </message>
    <message>
      <source>Title StartupError</source>
      <translation>시작 오류</translation>
    </message>
    <message>
      <source>Title write error</source>
      <translation>쓰기 오류</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>범위를 벗어난 값</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>파일 대조</translation>
    </message>
    <message>
      <source>Verify Orbilux</source>
      <translation>Orbilux 대조</translation>
    </message>
    <message>
      <source>Whole Settings CRC</source>
      <translation>전체 설정 CRC</translation>
    </message>
    <message>
      <source>Write Orbilux</source>
      <translation>Orbilux 쓰기</translation>
    </message>
    <message>
      <source>Write data</source>
      <translation>쓰기 데이터</translation>
    </message>
    <message>
      <source>Write them anyway?</source>
      <translation>그래도 쓰시겠습니까?</translation>
    </message>
    <message>
      <source>Write these parameters into Orbilux?</source>
      <translation>이 파라미터를 Orbilux에 쓰겠습니까?</translation>
    </message>
  </context>
  <context>
    <name>DisplayText</name>
    <message>
      <source>… (%1 characters)</source>
      <translation>… (%1자)</translation>
    </message>
  </context>
  <context>
    <name>FieldBinding</name>
    <message>
      <source>Outside its limits %1 to %2</source>
      <translation>범위를 벗어남 (%1 ~ %2)</translation>
    </message>
    <message>
      <source>file: %1</source>
      <translation>파일: %1</translation>
    </message>
  </context>
  <context>
    <name>FindingCount</name>
    <message>
      <source>%1 file texts not kept</source>
      <translation>유지되지 않은 파일 텍스트: %1개</translation>
    </message>
    <message>
      <source>%1 values outside their limits</source>
      <translation>범위를 벗어난 값: %1개</translation>
    </message>
    <message>
      <source>%1, %2</source>
      <translation>%1, %2</translation>
    </message>
    <message>
      <source>1 file text not kept</source>
      <translation>유지되지 않은 파일 텍스트: 1개</translation>
    </message>
    <message>
      <source>1 value outside its limits</source>
      <translation>범위를 벗어난 값: 1개</translation>
    </message>
  </context>
  <context>
    <name>FunctionMenuWidget</name>
    <message>
      <source>AreaModel</source>
      <translation>영역 감시 모델</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>암 감시 모델</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>암/장치의 속도 감시점</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>사용자 정의 속도 감시</translation>
    </message>
    <message>
      <source>EtherNetIPSafety</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>축</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>논리 연산</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>모드별 속도 감시</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>모니터링</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>비상 정지</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>축</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>축 위치</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>논리 연산</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>동작 영역</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>보호 정지</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>안전 입력</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>안전 출력</translation>
    </message>
    <message>
      <source>MonitoringSettingEmergencyStop</source>
      <translation>비상 정지</translation>
    </message>
    <message>
      <source>MonitoringSettingProtectiveStopSafetyFence</source>
      <translation>안전 펜스</translation>
    </message>
    <message>
      <source>MonitoringSettings</source>
      <translation>감시 설정</translation>
    </message>
    <message>
      <source>MonitoringSpeed</source>
      <translation>속도</translation>
    </message>
    <message>
      <source>MonitoringStop</source>
      <translation>정지</translation>
    </message>
    <message>
      <source>MonitoringToolId</source>
      <translation>툴 ID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>툴 자세</translation>
    </message>
    <message>
      <source>Motion Area</source>
      <translation>동작 영역</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>네트워크 파라미터</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>네트워크 안전 상태</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>네트워크 상태</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>안전 보고서 출력</translation>
    </message>
    <message>
      <source>ProtectiveStop</source>
      <translation>보호 정지</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>사용자 보호 정지</translation>
    </message>
    <message>
      <source>SafetyIO</source>
      <translation>안전 IO</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>안전 입력</translation>
    </message>
    <message>
      <source>SafetySignature</source>
      <translation>안전 시그니처</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>공통</translation>
    </message>
    <message>
      <source>SignalSettings</source>
      <translation>신호 설정</translation>
    </message>
    <message>
      <source>Speed</source>
      <translation>속도</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>상태</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>정지 감시</translation>
    </message>
    <message>
      <source>System</source>
      <translation>시스템</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>툴 감시 모델</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>툴 자세</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>툴의 속도 감시점</translation>
    </message>
  </context>
  <context>
    <name>GLWidget</name>
    <message>
      <source>ParallelProjection</source>
      <translation>평행 투영</translation>
    </message>
    <message>
      <source>PerspectiveProjection</source>
      <translation>원근 투영</translation>
    </message>
  </context>
  <context>
    <name>IO::ComparisonView</name>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>닫기</translation>
    </message>
    <message>
      <source>No differences.</source>
      <translation>차이가 없습니다.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>확인</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>파라미터</translation>
    </message>
    <message>
      <source>Parameter comparison</source>
      <translation>파라미터 비교</translation>
    </message>
  </context>
  <context>
    <name>IO::FileDialog</name>
    <message>
      <source>%1 already exists. Replace it?</source>
      <translation>%1 이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Export Safety Report</source>
      <translation>안전 보고서 내보내기</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>파일 이름:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>확인</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>파일 열기</translation>
    </message>
    <message>
      <source>Output ParameterFile</source>
      <translation>파라미터 파일 출력</translation>
    </message>
    <message>
      <source>Read Robot Data</source>
      <translation>로봇 데이터 읽기</translation>
    </message>
    <message>
      <source>The robot data is read from Orbilux.</source>
      <translation>로봇 데이터를 Orbilux에서 읽습니다.</translation>
    </message>
    <message>
      <source>Verify File</source>
      <translation>파일 대조</translation>
    </message>
  </context>
  <context>
    <name>IO::PasswordDialog</name>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>비밀번호 변경</translation>
    </message>
    <message>
      <source>Current password:</source>
      <translation>현재 비밀번호:</translation>
    </message>
    <message>
      <source>New password:</source>
      <translation>새 비밀번호:</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>확인</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>비밀번호</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>비밀번호:</translation>
    </message>
  </context>
  <context>
    <name>LogicAssignmentTree</name>
    <message>
      <source>Driven by</source>
      <translation>할당된 결과</translation>
    </message>
    <message>
      <source>Driven by result %1; take it off there first.</source>
      <translation>결과 %1에 할당되어 있습니다. 먼저 그곳에서 해제하십시오.</translation>
    </message>
    <message>
      <source>Internal safety inputs</source>
      <translation>내부 안전 입력</translation>
    </message>
    <message>
      <source>Network safety outputs</source>
      <translation>네트워크 안전 출력</translation>
    </message>
    <message>
      <source>Signal</source>
      <translation>신호</translation>
    </message>
    <message>
      <source>User safety outputs</source>
      <translation>사용자 안전 출력</translation>
    </message>
  </context>
  <context>
    <name>LogicCheck</name>
    <message>
      <source>%1 takes one input; input 2 must be empty.</source>
      <translation>%1은(는) 입력이 하나입니다. 입력 2는 비워야 합니다.</translation>
    </message>
    <message>
      <source>Driven by result %1, whose operation is unused.</source>
      <translation>사용하지 않는 연산의 결과 %1이(가) 구동합니다.</translation>
    </message>
    <message>
      <source>Drives %1, but the operation is unused.</source>
      <translation>%1을(를) 구동하지만 연산이 사용되지 않습니다.</translation>
    </message>
    <message>
      <source>Drives internal safety input entry %1, which names no signal.</source>
      <translation>신호 이름이 없는 내부 안전 입력 항목 %1에 할당되어 있습니다.</translation>
    </message>
    <message>
      <source>Input %1 is missing.</source>
      <translation>입력 %1이(가) 없습니다.</translation>
    </message>
    <message>
      <source>Input %1 reads result %2, whose operation is unused.</source>
      <translation>입력 %1이(가) 사용하지 않는 연산의 결과 %2을(를) 읽습니다.</translation>
    </message>
    <message>
      <source>Input %1 reads the later result %2.</source>
      <translation>입력 %1이(가) 뒤의 결과 %2을(를) 읽습니다.</translation>
    </message>
    <message>
      <source>Input %1 reads this operation's own result.</source>
      <translation>입력 %1이(가) 이 연산 자신의 결과를 읽습니다.</translation>
    </message>
    <message>
      <source>Input %1: %2 is no input signal.</source>
      <translation>입력 %1: %2은(는) 입력 신호가 아닙니다.</translation>
    </message>
    <message>
      <source>Internal safety input entry %1 holds %2 but names no signal.</source>
      <translation>내부 안전 입력 항목 %1은(는) %2을(를) 갖고 있지만 신호 이름이 없습니다.</translation>
    </message>
    <message>
      <source>Operation type %1 is unknown; it is kept as stored.</source>
      <translation>연산 종류 %1은(는) 알 수 없습니다. 저장된 값 그대로 유지합니다.</translation>
    </message>
    <message>
      <source>Takes part in a cycle of the results %1.</source>
      <translation>결과 %1의 순환에 포함되어 있습니다.</translation>
    </message>
  </context>
  <context>
    <name>LogicItemDelegate</name>
    <message>
      <source>%1 signals begin with "%2"; choose one from the list.</source>
      <translation>"%2"(으)로 시작하는 신호가 %1개 있습니다. 목록에서 선택하십시오.</translation>
    </message>
    <message>
      <source>No input signal is named "%1".</source>
      <translation>"%1"(이)라는 이름의 입력 신호가 없습니다.</translation>
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
      <translation>(무효)</translation>
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
      <translation>스루</translation>
    </message>
    <message>
      <source>OpXor</source>
      <translation>XOR</translation>
    </message>
    <message>
      <source>Signal1-400</source>
      <translation>논리 연산 결과</translation>
    </message>
    <message>
      <source>Signal1001</source>
      <translation>~TP 비상 정지</translation>
    </message>
    <message>
      <source>Signal1001-1010</source>
      <translation>고정 안전 입력</translation>
    </message>
    <message>
      <source>Signal1002</source>
      <translation>TP 인에이블</translation>
    </message>
    <message>
      <source>Signal1003</source>
      <translation>조작 패널 티치/리피트 모드</translation>
    </message>
    <message>
      <source>Signal1004</source>
      <translation>조작 패널 고속 체크 모드</translation>
    </message>
    <message>
      <source>Signal1005</source>
      <translation>2AP 보드 마스터/세컨더리 인에이블</translation>
    </message>
    <message>
      <source>Signal1006</source>
      <translation>~조작 패널 비상 정지</translation>
    </message>
    <message>
      <source>Signal1007</source>
      <translation>~외부 비상 정지</translation>
    </message>
    <message>
      <source>Signal1008</source>
      <translation>~안전 펜스 1 열림</translation>
    </message>
    <message>
      <source>Signal1009</source>
      <translation>~안전 펜스 2 열림</translation>
    </message>
    <message>
      <source>Signal1010</source>
      <translation>외부 인에이블</translation>
    </message>
    <message>
      <source>Signal1101-1132</source>
      <translation>사용자 안전 입력</translation>
    </message>
    <message>
      <source>Signal1501-1564</source>
      <translation>네트워크 안전 입력</translation>
    </message>
    <message>
      <source>Signal2001</source>
      <translation>~모터 전원 차단 지령 실행 1</translation>
    </message>
    <message>
      <source>Signal2001-2162</source>
      <translation>내부 안전 출력</translation>
    </message>
    <message>
      <source>Signal2002</source>
      <translation>~모터 전원 차단 지령 실행 2</translation>
    </message>
    <message>
      <source>Signal2003-2018</source>
      <translation>동작 허가 영역 내</translation>
    </message>
    <message>
      <source>Signal2019</source>
      <translation>동작 허가 상시 축 범위 내</translation>
    </message>
    <message>
      <source>Signal2020-2037</source>
      <translation>동작 허가 선택 축 범위 내</translation>
    </message>
    <message>
      <source>Signal2038</source>
      <translation>동작 허가 티치 모드 속도 이내</translation>
    </message>
    <message>
      <source>Signal2039</source>
      <translation>동작 허가 고속 체크 모드 속도 이내</translation>
    </message>
    <message>
      <source>Signal2040-2057</source>
      <translation>동작 허가 사용자 속도 이내</translation>
    </message>
    <message>
      <source>Signal2058-2065</source>
      <translation>동작 허가 툴 자세 범위 내</translation>
    </message>
    <message>
      <source>Signal2066-2083</source>
      <translation>~정지 감시 입력 중</translation>
    </message>
    <message>
      <source>Signal2084-2101</source>
      <translation>정지 감시 중</translation>
    </message>
    <message>
      <source>Signal2102</source>
      <translation>~SW 안전 펜스 열림 입력 중</translation>
    </message>
    <message>
      <source>Signal2103-2120</source>
      <translation>~사용자 보호 정지 입력 중</translation>
    </message>
    <message>
      <source>Signal2121-2138</source>
      <translation>사용자 보호 정지 중</translation>
    </message>
    <message>
      <source>Signal2139</source>
      <translation>~SW 외부 비상 정지 입력 중</translation>
    </message>
    <message>
      <source>Signal2140-2157</source>
      <translation>~사용자 비상 정지 입력 중</translation>
    </message>
    <message>
      <source>Signal2158</source>
      <translation>티치 모드 중</translation>
    </message>
    <message>
      <source>Signal2159</source>
      <translation>고속 체크 모드 중</translation>
    </message>
    <message>
      <source>Signal2160</source>
      <translation>리피트 모드 중</translation>
    </message>
    <message>
      <source>Signal2161</source>
      <translation>~안전 시그니처 알람</translation>
    </message>
    <message>
      <source>Signal2162</source>
      <translation>상시 ON</translation>
    </message>
    <message>
      <source>Signal3001</source>
      <translation>~모터 전원 차단</translation>
    </message>
    <message>
      <source>Signal3001-3003</source>
      <translation>고정 안전 출력</translation>
    </message>
    <message>
      <source>Signal3002</source>
      <translation>~모터 브레이크 전원 차단</translation>
    </message>
    <message>
      <source>Signal3003</source>
      <translation>모터 전원 정상</translation>
    </message>
    <message>
      <source>Signal60001</source>
      <translation>사용자 티치/리피트 모드</translation>
    </message>
    <message>
      <source>Signal60001-60157</source>
      <translation>내부 안전 입력</translation>
    </message>
    <message>
      <source>Signal60002</source>
      <translation>사용자 고속 체크 모드</translation>
    </message>
    <message>
      <source>Signal60003-60007</source>
      <translation>툴 ID</translation>
    </message>
    <message>
      <source>Signal60008-60023</source>
      <translation>동작 영역 감시 보호 정지 무효</translation>
    </message>
    <message>
      <source>Signal60024-60041</source>
      <translation>선택 축 감시 보호 정지 무효</translation>
    </message>
    <message>
      <source>Signal60042-60059</source>
      <translation>사용자 속도 감시 보호 정지 무효</translation>
    </message>
    <message>
      <source>Signal60060-60067</source>
      <translation>툴 자세 감시 보호 정지 무효</translation>
    </message>
    <message>
      <source>Signal60068-60085</source>
      <translation>~정지 감시</translation>
    </message>
    <message>
      <source>Signal60086</source>
      <translation>~SW 안전 펜스 열림</translation>
    </message>
    <message>
      <source>Signal60087-60104</source>
      <translation>~사용자 보호 정지</translation>
    </message>
    <message>
      <source>Signal60105</source>
      <translation>~SW 외부 비상 정지</translation>
    </message>
    <message>
      <source>Signal60106-60123</source>
      <translation>~사용자 비상 정지</translation>
    </message>
    <message>
      <source>Signal60124</source>
      <translation>SW 외부 인에이블</translation>
    </message>
    <message>
      <source>Signal60125</source>
      <translation>안전 시그니처 알람 리셋</translation>
    </message>
    <message>
      <source>Signal60126-60157</source>
      <translation>사용자 안전 출력 용착 체크</translation>
    </message>
    <message>
      <source>Signal60501-60532</source>
      <translation>사용자 안전 출력</translation>
    </message>
    <message>
      <source>Signal60533</source>
      <translation>사용자 안전 출력 101</translation>
    </message>
    <message>
      <source>Signal60601-60664</source>
      <translation>네트워크 안전 출력</translation>
    </message>
  </context>
  <context>
    <name>LogicTableModel</name>
    <message>
      <source>Check</source>
      <translation>검사</translation>
    </message>
    <message>
      <source>Drives</source>
      <translation>출력 대상</translation>
    </message>
    <message>
      <source>Input 1</source>
      <translation>입력 1</translation>
    </message>
    <message>
      <source>Input 2</source>
      <translation>입력 2</translation>
    </message>
    <message>
      <source>Operation</source>
      <translation>연산</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>결과</translation>
    </message>
  </context>
  <context>
    <name>LogicalOp</name>
    <message>
      <source>Apply</source>
      <translation>적용</translation>
    </message>
    <message>
      <source>Apply is blocked by errors (%1); the first is at result %2.</source>
      <translation>오류 %1개로 인해 적용할 수 없습니다. 첫 번째 오류는 결과 %2에 있습니다.</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Clear operation</source>
      <translation>연산 지우기</translation>
    </message>
    <message>
      <source>Operations in use: %1   Errors: %2   Warnings: %3</source>
      <translation>사용 중인 연산: %1   오류: %2   경고: %3</translation>
    </message>
    <message>
      <source>Result %1 = %2</source>
      <translation>결과 %1 = %2</translation>
    </message>
    <message>
      <source>Result %1 drives these signals. OK clears the operation and takes them off it; Cancel keeps everything.</source>
      <translation>결과 %1은(는) 다음 신호에 할당되어 있습니다. 확인을 누르면 연산을 지우고 이 할당도 해제합니다. 취소를 누르면 아무것도 바꾸지 않습니다.</translation>
    </message>
    <message>
      <source>Result %1 is unused.</source>
      <translation>결과 %1은(는) 사용하지 않습니다.</translation>
    </message>
    <message>
      <source>Show only results in use</source>
      <translation>사용 중인 결과만 표시</translation>
    </message>
  </context>
  <context>
    <name>LogicalOpDialog</name>
    <message>
      <source>LogicalOperation</source>
      <translation>논리 연산</translation>
    </message>
  </context>
  <context>
    <name>LongMessageBox</name>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>확인</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Close confirmation</source>
      <translation>종료 확인</translation>
    </message>
    <message>
      <source>Label CostBar</source>
      <translation>남은 용량</translation>
    </message>
    <message>
      <source>No</source>
      <translation>아니요</translation>
    </message>
    <message>
      <source>Sets up the safety monitoring unit of a robot controller.</source>
      <translation>로봇 컨트롤러의 안전 감시 유닛을 설정합니다.</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to save it to a file?</source>
      <translation>안전 파라미터에 갱신된 데이터가 있습니다. 파일로 저장하시겠습니까?</translation>
    </message>
    <message>
      <source>Updated data for safety parameters exists. Do you want to write to Orbilux?</source>
      <translation>안전 파라미터에 갱신된 데이터가 있습니다. Orbilux에 쓰시겠습니까?</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>예</translation>
    </message>
  </context>
  <context>
    <name>MenuBar</name>
    <message>
      <source>Change Password(&amp;P)</source>
      <translation>비밀번호 변경(&amp;P)...</translation>
    </message>
    <message>
      <source>Chinese(&amp;C)</source>
      <translation>중국어(&amp;C)</translation>
    </message>
    <message>
      <source>English(&amp;E)</source>
      <translation>영어(&amp;E)</translation>
    </message>
    <message>
      <source>Export Safety Report(&amp;E)</source>
      <translation>안전 보고서 내보내기(&amp;E)...</translation>
    </message>
    <message>
      <source>File(&amp;F)</source>
      <translation>파일(&amp;F)</translation>
    </message>
    <message>
      <source>Japanese(&amp;J)</source>
      <translation>일본어(&amp;J)</translation>
    </message>
    <message>
      <source>Korean(&amp;K)</source>
      <translation>한국어(&amp;K)</translation>
    </message>
    <message>
      <source>Language Change Message</source>
      <translation>언어 변경</translation>
    </message>
    <message>
      <source>Language(&amp;L)</source>
      <translation>언어(&amp;L)</translation>
    </message>
    <message>
      <source>Open File(&amp;O)</source>
      <translation>파일 열기(&amp;O)...</translation>
    </message>
    <message>
      <source>Orbilux(&amp;C)</source>
      <translation>Orbilux(&amp;C)</translation>
    </message>
    <message>
      <source>Output ParameterFile(&amp;S)</source>
      <translation>파라미터 파일 출력(&amp;S)...</translation>
    </message>
    <message>
      <source>ParallelProjection(&amp;L)</source>
      <translation>평행 투영(&amp;L)</translation>
    </message>
    <message>
      <source>PerspectiveProjection(&amp;S)</source>
      <translation>원근 투영(&amp;S)</translation>
    </message>
    <message>
      <source>Plane(&amp;N)</source>
      <translation>평면(&amp;N)</translation>
    </message>
    <message>
      <source>Projection(&amp;J)</source>
      <translation>투영(&amp;J)</translation>
    </message>
    <message>
      <source>Read Orbilux(&amp;R)</source>
      <translation>Orbilux에서 읽기(&amp;R)</translation>
    </message>
    <message>
      <source>Read RobotData(&amp;B)</source>
      <translation>로봇 데이터 읽기(&amp;B)</translation>
    </message>
    <message>
      <source>Reset(&amp;0)</source>
      <translation>초기화(&amp;0)</translation>
    </message>
    <message>
      <source>Setting(&amp;S)</source>
      <translation>설정(&amp;S)</translation>
    </message>
    <message>
      <source>The language change will be reflected on the next startup.</source>
      <translation>언어 변경은 다음 시작 시 반영됩니다.</translation>
    </message>
    <message>
      <source>Verify File(&amp;V)</source>
      <translation>파일과 대조(&amp;V)...</translation>
    </message>
    <message>
      <source>Verify Orbilux(&amp;V)</source>
      <translation>Orbilux와 대조(&amp;V)</translation>
    </message>
    <message>
      <source>View(&amp;V)</source>
      <translation>보기(&amp;V)</translation>
    </message>
    <message>
      <source>Write Orbilux(&amp;W)</source>
      <translation>Orbilux에 쓰기(&amp;W)...</translation>
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
      <translation>신호 이름</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>상태</translation>
    </message>
  </context>
  <context>
    <name>MonitoringDialog</name>
    <message>
      <source>Monitoring</source>
      <translation>모니터링</translation>
    </message>
  </context>
  <context>
    <name>MonitoringFooter</name>
    <message>
      <source>Display</source>
      <translation>표시</translation>
    </message>
    <message>
      <source>OverrideFunction</source>
      <translation>오버라이드 기능</translation>
    </message>
  </context>
  <context>
    <name>MonitoringHeader</name>
    <message>
      <source>Button%1</source>
      <translation>안전 소프트웨어 %1</translation>
    </message>
  </context>
  <context>
    <name>MonitoringJointPosition</name>
    <message>
      <source>CurrentFlangePosition</source>
      <translation>현재 위치(플랜지 점)</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>축</translation>
    </message>
    <message>
      <source>PV</source>
      <translation>현재값</translation>
    </message>
    <message>
      <source>SV</source>
      <translation>지령값</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>단위</translation>
    </message>
  </context>
  <context>
    <name>MonitoringLogicalOperation</name>
    <message>
      <source>... and %1 more assignments</source>
      <translation>…외 %1개의 할당</translation>
    </message>
    <message>
      <source>IN1</source>
      <translation>입력1</translation>
    </message>
    <message>
      <source>IN2</source>
      <translation>입력2</translation>
    </message>
    <message>
      <source>OP</source>
      <translation>연산</translation>
    </message>
    <message>
      <source>OUT</source>
      <translation>할당</translation>
    </message>
    <message>
      <source>ResultNo</source>
      <translation>결과 번호</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>상태</translation>
    </message>
  </context>
  <context>
    <name>MonitoringMotionArea</name>
    <message>
      <source>Arm</source>
      <translation>암</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>신호 이름</translation>
    </message>
    <message>
      <source>SignalName%1_en</source>
      <translation>동작 허가 영역 %1 내부</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>상태</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>툴</translation>
    </message>
  </context>
  <context>
    <name>MonitoringSafetyIO</name>
    <message>
      <source>Fixed</source>
      <translation>고정</translation>
    </message>
    <message>
      <source>Internal</source>
      <translation>내부</translation>
    </message>
    <message>
      <source>Network</source>
      <translation>네트워크</translation>
    </message>
    <message>
      <source>SignalName</source>
      <translation>신호 이름</translation>
    </message>
    <message>
      <source>SignalNo</source>
      <translation>신호 번호</translation>
    </message>
    <message>
      <source>Status</source>
      <translation>상태</translation>
    </message>
    <message>
      <source>User</source>
      <translation>사용자</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolId</name>
    <message>
      <source>Name</source>
      <translation>이름</translation>
    </message>
    <message>
      <source>Security softwareA</source>
      <translation>안전 소프트웨어A: 로봇(RZ)이 지정한 툴 번호</translation>
    </message>
    <message>
      <source>Security softwareB</source>
      <translation>안전 소프트웨어B: 안전 소프트웨어가 현재 감시 중인 툴 번호</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>툴 번호</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>값</translation>
    </message>
  </context>
  <context>
    <name>MonitoringToolOrientation</name>
    <message>
      <source>SignalName%1_en</source>
      <translation>툴 자세 범위 %1</translation>
    </message>
    <message>
      <source>SignalNameColumnLabel_en</source>
      <translation>신호 이름 - 동작 허가</translation>
    </message>
  </context>
  <context>
    <name>MsgBox</name>
    <message>
      <source>Are you sure you want to clear input ? 
 If not please update.</source>
      <translation>입력 내용을 지우시겠습니까?
지우지 않으려면 업데이트하십시오.</translation>
    </message>
    <message>
      <source>Body UnsupportedModelError</source>
      <translation>지원되지 않는 모델이므로 앱을 종료합니다.</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Clear Input</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>Device Change Message</source>
      <translation>변경 확인</translation>
    </message>
    <message>
      <source>No</source>
      <translation>아니요</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>확인</translation>
    </message>
    <message>
      <source>Please check your targetDevice (targetDevice change)</source>
      <translation>모니터링 대상이 변경되었습니다.
변경 전의 로봇 또는 장치는 더 이상 모니터링되지 않습니다.</translation>
    </message>
    <message>
      <source>Title UnsupportedModelError</source>
      <translation>지원되지 않는 모델 오류</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>예</translation>
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
      <translation>NW 파라미터 리셋</translation>
    </message>
    <message>
      <source>OCPUNID (Owner UNID)</source>
      <translation>OCPUNID(오너 UNID)</translation>
    </message>
    <message>
      <source>Parameters not reset.</source>
      <translation>파라미터가 리셋되지 않았습니다.
유닛이 연결되어 있지 않거나 명령을 받아들이지 않았습니다.</translation>
    </message>
    <message>
      <source>Parameters reset. Reboot.</source>
      <translation>파라미터를 리셋했습니다.
컨트롤러 전원을 껐다가 다시 켜 주십시오.</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>리셋</translation>
    </message>
    <message>
      <source>SCID (Safety Configuration Identifier)</source>
      <translation>SCID(안전 구성 식별자)</translation>
    </message>
    <message>
      <source>SNN</source>
      <translation>SNN</translation>
    </message>
    <message>
      <source>TUNID (Target UNID)</source>
      <translation>TUNID(타깃 UNID)</translation>
    </message>
    <message>
      <source>nodeId</source>
      <translation>nodeId</translation>
    </message>
    <message>
      <source>time-date</source>
      <translation>시각-날짜</translation>
    </message>
  </context>
  <context>
    <name>NetworkSafetyStatus</name>
    <message>
      <source>Connected</source>
      <translation>연결됨</translation>
    </message>
    <message>
      <source>ConnectionStatus</source>
      <translation>연결 상태</translation>
    </message>
    <message>
      <source>Disconnected</source>
      <translation>연결 안 됨</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>IP 주소</translation>
    </message>
    <message>
      <source>MacAddress</source>
      <translation>MAC 주소</translation>
    </message>
    <message>
      <source>ModuleStatusLED</source>
      <translation>모듈 상태</translation>
    </message>
    <message>
      <source>NetworkStatusLED</source>
      <translation>네트워크 상태</translation>
    </message>
    <message>
      <source>PortInfo</source>
      <translation>포트</translation>
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
      <translation>구성 어셈블리 인스턴스</translation>
    </message>
    <message>
      <source>DeviceType</source>
      <translation>DeviceType</translation>
    </message>
    <message>
      <source>Input Assembly Instance</source>
      <translation>입력 어셈블리 인스턴스</translation>
    </message>
    <message>
      <source>Major Version</source>
      <translation>메이저 버전</translation>
    </message>
    <message>
      <source>Minor Version</source>
      <translation>마이너 버전</translation>
    </message>
    <message>
      <source>Output Assembly Instance</source>
      <translation>출력 어셈블리 인스턴스</translation>
    </message>
    <message>
      <source>ProductCode</source>
      <translation>ProductCode</translation>
    </message>
    <message>
      <source>Safety Input</source>
      <translation>안전 입력</translation>
    </message>
    <message>
      <source>Safety Output</source>
      <translation>안전 출력</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>크기</translation>
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
      <translation>장치</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Confirm</source>
      <translation>처리 잔여 용량이 부족합니다.
설정 수를 재검토해 주십시오.</translation>
    </message>
    <message>
      <source>Modal Message Cost Over Disable</source>
      <translation>처리 잔여 용량이 부족합니다.
영역 감시 설정을 무효로 했습니다.</translation>
    </message>
    <message>
      <source>Modal Title Cost Over</source>
      <translation>감시 영역 오류</translation>
    </message>
    <message>
      <source>No Device</source>
      <translation>장치 없음</translation>
    </message>
    <message>
      <source>Robot</source>
      <translation>로봇</translation>
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
      <translation>공통</translation>
    </message>
    <message>
      <source>string10</source>
      <translation>축 감시 기능</translation>
    </message>
    <message>
      <source>string100</source>
      <translation>툴 자세 범위 설정 %1</translation>
    </message>
    <message>
      <source>string101</source>
      <translation>보호 정지 유효/무효</translation>
    </message>
    <message>
      <source>string102</source>
      <translation>티치 모드에서 유효/무효</translation>
    </message>
    <message>
      <source>string103</source>
      <translation>고속 확인 모드에서 유효/무효</translation>
    </message>
    <message>
      <source>string104</source>
      <translation>재생 모드에서 유효/무효</translation>
    </message>
    <message>
      <source>string105</source>
      <translation>대상 로봇/장치</translation>
    </message>
    <message>
      <source>string106</source>
      <translation>대상 축</translation>
    </message>
    <message>
      <source>string107</source>
      <translation>SW 안전 펜스 유효/무효</translation>
    </message>
    <message>
      <source>string108</source>
      <translation>SW 외부 비상 정지 유효/무효</translation>
    </message>
    <message>
      <source>string109</source>
      <translation>사용자 안전 입력 %1</translation>
    </message>
    <message>
      <source>string11</source>
      <translation>속도 감시 기능</translation>
    </message>
    <message>
      <source>string110</source>
      <translation>논리식 %1</translation>
    </message>
    <message>
      <source>string111</source>
      <translation>내부 안전 입력 %1</translation>
    </message>
    <message>
      <source>string112</source>
      <translation>사용자 안전 출력 %1</translation>
    </message>
    <message>
      <source>string113</source>
      <translation>네트워크 안전 출력 %1</translation>
    </message>
    <message>
      <source>string114</source>
      <translation>좌표계 종류</translation>
    </message>
    <message>
      <source>string115</source>
      <translation>축 번호</translation>
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
      <translation>툴 자세 감시 기능</translation>
    </message>
    <message>
      <source>string120</source>
      <translation>α</translation>
    </message>
    <message>
      <source>string121</source>
      <translation>참조 축</translation>
    </message>
    <message>
      <source>string122</source>
      <translation>보정값</translation>
    </message>
    <message>
      <source>string123</source>
      <translation>보정 모드</translation>
    </message>
    <message>
      <source>string124</source>
      <translation>버퍼 0</translation>
    </message>
    <message>
      <source>string125</source>
      <translation>버퍼 1</translation>
    </message>
    <message>
      <source>string126</source>
      <translation>버퍼 2</translation>
    </message>
    <message>
      <source>string127</source>
      <translation>버퍼 3</translation>
    </message>
    <message>
      <source>string128</source>
      <translation>버퍼 4</translation>
    </message>
    <message>
      <source>string129</source>
      <translation>버퍼 5</translation>
    </message>
    <message>
      <source>string13</source>
      <translation>정지 감시 기능</translation>
    </message>
    <message>
      <source>string130</source>
      <translation>버퍼 6</translation>
    </message>
    <message>
      <source>string131</source>
      <translation>버퍼 7</translation>
    </message>
    <message>
      <source>string132</source>
      <translation>버퍼 8</translation>
    </message>
    <message>
      <source>string133</source>
      <translation>버퍼 9</translation>
    </message>
    <message>
      <source>string134</source>
      <translation>축 종류</translation>
    </message>
    <message>
      <source>string135</source>
      <translation>분해능</translation>
    </message>
    <message>
      <source>string136</source>
      <translation>회전 오프셋</translation>
    </message>
    <message>
      <source>string137</source>
      <translation>원점 값</translation>
    </message>
    <message>
      <source>string138</source>
      <translation>편차 체크 임계값</translation>
    </message>
    <message>
      <source>string139</source>
      <translation>엔코더 값 점프 체크 임계값</translation>
    </message>
    <message>
      <source>string14</source>
      <translation>보호 정지 기능</translation>
    </message>
    <message>
      <source>string140</source>
      <translation>전원 투입 시 체크 허용값</translation>
    </message>
    <message>
      <source>string141</source>
      <translation>공주 시간</translation>
    </message>
    <message>
      <source>string142</source>
      <translation>제동 감속도</translation>
    </message>
    <message>
      <source>string143</source>
      <translation>구/캡슐 %1</translation>
    </message>
    <message>
      <source>string144</source>
      <translation>구/캡슐/직육면체 %1</translation>
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
      <translation>감시점 %1</translation>
    </message>
    <message>
      <source>string148</source>
      <translation>속도 종류</translation>
    </message>
    <message>
      <source>string149</source>
      <translation>대상 축 유효/무효</translation>
    </message>
    <message>
      <source>string15</source>
      <translation>비상 정지 기능</translation>
    </message>
    <message>
      <source>string150</source>
      <translation>반꼭지각</translation>
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
      <translation>티치 모드 시</translation>
    </message>
    <message>
      <source>string154</source>
      <translation>고속 확인 모드 시</translation>
    </message>
    <message>
      <source>string155</source>
      <translation>재생 모드 시</translation>
    </message>
    <message>
      <source>string156</source>
      <translation>펄스 진단</translation>
    </message>
    <message>
      <source>string157</source>
      <translation>필터 시간</translation>
    </message>
    <message>
      <source>string158</source>
      <translation>이중화 로직</translation>
    </message>
    <message>
      <source>string159</source>
      <translation>불일치 허용 시간</translation>
    </message>
    <message>
      <source>string16</source>
      <translation>안전 입력</translation>
    </message>
    <message>
      <source>string160</source>
      <translation>연산 종류</translation>
    </message>
    <message>
      <source>string161</source>
      <translation>연산 입력 1</translation>
    </message>
    <message>
      <source>string162</source>
      <translation>연산 입력 2</translation>
    </message>
    <message>
      <source>string163</source>
      <translation>고속 확인/재생 모드 시</translation>
    </message>
    <message>
      <source>string164</source>
      <translation>좌표계 번호</translation>
    </message>
    <message>
      <source>string165</source>
      <translation>종류</translation>
    </message>
    <message>
      <source>string166</source>
      <translation>반경</translation>
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
      <translation>논리 연산</translation>
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
      <translation>X 치수</translation>
    </message>
    <message>
      <source>string174</source>
      <translation>Y 치수</translation>
    </message>
    <message>
      <source>string175</source>
      <translation>Z 치수</translation>
    </message>
    <message>
      <source>string176</source>
      <translation>T</translation>
    </message>
    <message>
      <source>string177</source>
      <translation>상한</translation>
    </message>
    <message>
      <source>string178</source>
      <translation>하한</translation>
    </message>
    <message>
      <source>string179</source>
      <translation>축 범위 유효/무효</translation>
    </message>
    <message>
      <source>string18</source>
      <translation>할당</translation>
    </message>
    <message>
      <source>string180</source>
      <translation>허가/금지 축 범위</translation>
    </message>
    <message>
      <source>string181</source>
      <translation>축 범위 상한</translation>
    </message>
    <message>
      <source>string182</source>
      <translation>축 범위 하한</translation>
    </message>
    <message>
      <source>string183</source>
      <translation>Z</translation>
    </message>
    <message>
      <source>string184</source>
      <translation>정지 감시</translation>
    </message>
    <message>
      <source>string185</source>
      <translation>좌표계</translation>
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
      <translation>사양</translation>
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
      <translation>영역 감시 모델</translation>
    </message>
    <message>
      <source>string198</source>
      <translation>툴 자세 범위 설정</translation>
    </message>
    <message>
      <source>string199</source>
      <translation>티치 모드 정지 카테고리 0 공주 시간</translation>
    </message>
    <message>
      <source>string2</source>
      <translation>로봇/장치</translation>
    </message>
    <message>
      <source>string20</source>
      <translation>이름</translation>
    </message>
    <message>
      <source>string200</source>
      <translation>티치 모드 정지 카테고리 0 제동 감속도</translation>
    </message>
    <message>
      <source>string201</source>
      <translation>고속 확인/재생 모드 정지 카테고리 0 공주 시간</translation>
    </message>
    <message>
      <source>string202</source>
      <translation>고속 확인/재생 모드 정지 카테고리 0 제동 감속도</translation>
    </message>
    <message>
      <source>string203</source>
      <translation>정지 카테고리 1 공주 시간</translation>
    </message>
    <message>
      <source>string204</source>
      <translation>제조사 설정 정지 카테고리 1 제동 감속도</translation>
    </message>
    <message>
      <source>string205</source>
      <translation>사용자 설정 정지 카테고리 1 제동 감속도</translation>
    </message>
    <message>
      <source>string206</source>
      <translation>정점 좌표 X</translation>
    </message>
    <message>
      <source>string207</source>
      <translation>정점 좌표 Y</translation>
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
      <translation>시리얼 번호</translation>
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
      <translation>DH 파라미터</translation>
    </message>
    <message>
      <source>string23</source>
      <translation>유도 보정</translation>
    </message>
    <message>
      <source>string24</source>
      <translation>좌표계 보정</translation>
    </message>
    <message>
      <source>string25</source>
      <translation>특수 보정</translation>
    </message>
    <message>
      <source>string26</source>
      <translation>축 설정</translation>
    </message>
    <message>
      <source>string27</source>
      <translation>보드 수</translation>
    </message>
    <message>
      <source>string28</source>
      <translation>EtherNet/IP Safety</translation>
    </message>
    <message>
      <source>string29</source>
      <translation>입력 설정</translation>
    </message>
    <message>
      <source>string3</source>
      <translation>안전 I/O 보드</translation>
    </message>
    <message>
      <source>string30</source>
      <translation>축 %1</translation>
    </message>
    <message>
      <source>string31</source>
      <translation>엔코더 진단</translation>
    </message>
    <message>
      <source>string32</source>
      <translation>툴 ID 사양</translation>
    </message>
    <message>
      <source>string33</source>
      <translation>툴 ID 변환 테이블</translation>
    </message>
    <message>
      <source>string34</source>
      <translation>툴 불일치 시 이동 거리 허용값</translation>
    </message>
    <message>
      <source>string35</source>
      <translation>툴 %1</translation>
    </message>
    <message>
      <source>string36</source>
      <translation>감속 감시</translation>
    </message>
    <message>
      <source>string37</source>
      <translation>정지 대상</translation>
    </message>
    <message>
      <source>string38</source>
      <translation>정지 거리 추정</translation>
    </message>
    <message>
      <source>string39</source>
      <translation>암 감시 구/캡슐</translation>
    </message>
    <message>
      <source>string4</source>
      <translation>안전 네트워크</translation>
    </message>
    <message>
      <source>string40</source>
      <translation>툴 감시 구/캡슐/직육면체</translation>
    </message>
    <message>
      <source>string41</source>
      <translation>세트 %1</translation>
    </message>
    <message>
      <source>string42</source>
      <translation>상시 축 감시</translation>
    </message>
    <message>
      <source>string43</source>
      <translation>선택 축 감시</translation>
    </message>
    <message>
      <source>string44</source>
      <translation>암/장치 속도 감시점</translation>
    </message>
    <message>
      <source>string45</source>
      <translation>툴 속도 감시점</translation>
    </message>
    <message>
      <source>string46</source>
      <translation>티치 모드 속도 감시</translation>
    </message>
    <message>
      <source>string47</source>
      <translation>고속 확인 모드 속도 감시</translation>
    </message>
    <message>
      <source>string48</source>
      <translation>사용자 속도 감시</translation>
    </message>
    <message>
      <source>string49</source>
      <translation>안전 펜스 보호 정지</translation>
    </message>
    <message>
      <source>string5</source>
      <translation>운전 모드</translation>
    </message>
    <message>
      <source>string50</source>
      <translation>사용자 보호 정지</translation>
    </message>
    <message>
      <source>string51</source>
      <translation>TP 비상 정지</translation>
    </message>
    <message>
      <source>string52</source>
      <translation>조작 패널 비상 정지</translation>
    </message>
    <message>
      <source>string53</source>
      <translation>외부/SW 외부 비상 정지</translation>
    </message>
    <message>
      <source>string54</source>
      <translation>조작 패널/외부/SW 외부 비상 정지</translation>
    </message>
    <message>
      <source>string55</source>
      <translation>사용자 비상 정지</translation>
    </message>
    <message>
      <source>string56</source>
      <translation>사용자 안전 입력</translation>
    </message>
    <message>
      <source>string57</source>
      <translation>논리식</translation>
    </message>
    <message>
      <source>string58</source>
      <translation>내부 안전 입력</translation>
    </message>
    <message>
      <source>string59</source>
      <translation>사용자 안전 출력</translation>
    </message>
    <message>
      <source>string6</source>
      <translation>자기 진단</translation>
    </message>
    <message>
      <source>string60</source>
      <translation>네트워크 안전 출력</translation>
    </message>
    <message>
      <source>string61</source>
      <translation>이름 %1</translation>
    </message>
    <message>
      <source>string62</source>
      <translation>장치 %1</translation>
    </message>
    <message>
      <source>string63</source>
      <translation>할당 %1</translation>
    </message>
    <message>
      <source>string64</source>
      <translation>좌표계 %1</translation>
    </message>
    <message>
      <source>string65</source>
      <translation>특수 보정 %1</translation>
    </message>
    <message>
      <source>string66</source>
      <translation>유효/무효</translation>
    </message>
    <message>
      <source>string67</source>
      <translation>편차 체크 시간</translation>
    </message>
    <message>
      <source>string68</source>
      <translation>위치 현재값/지령값 진단</translation>
    </message>
    <message>
      <source>string69</source>
      <translation>TCP X</translation>
    </message>
    <message>
      <source>string7</source>
      <translation>툴 설정</translation>
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
      <translation>축 최대 속도</translation>
    </message>
    <message>
      <source>string76</source>
      <translation>감시 무효 시간</translation>
    </message>
    <message>
      <source>string77</source>
      <translation>설정 감속 시간</translation>
    </message>
    <message>
      <source>string78</source>
      <translation>초과 허용 시간</translation>
    </message>
    <message>
      <source>string79</source>
      <translation>정지 판정 엔코더 임계값</translation>
    </message>
    <message>
      <source>string8</source>
      <translation>감속 감시/정지 감시</translation>
    </message>
    <message>
      <source>string80</source>
      <translation>정지 감시 축 이동량 임계값</translation>
    </message>
    <message>
      <source>string81</source>
      <translation>정지 카테고리 0</translation>
    </message>
    <message>
      <source>string82</source>
      <translation>정지 카테고리 1</translation>
    </message>
    <message>
      <source>string83</source>
      <translation>제조사 설정</translation>
    </message>
    <message>
      <source>string84</source>
      <translation>사용자 설정</translation>
    </message>
    <message>
      <source>string85</source>
      <translation>유효/무효</translation>
    </message>
    <message>
      <source>string86</source>
      <translation>허가/금지 영역</translation>
    </message>
    <message>
      <source>string87</source>
      <translation>Z 상한</translation>
    </message>
    <message>
      <source>string88</source>
      <translation>Z 하한</translation>
    </message>
    <message>
      <source>string89</source>
      <translation>정점 수</translation>
    </message>
    <message>
      <source>string9</source>
      <translation>동작 영역 감시 기능</translation>
    </message>
    <message>
      <source>string90</source>
      <translation>정점 좌표 %1</translation>
    </message>
    <message>
      <source>string91</source>
      <translation>티치 모드 보호 정지 유효/무효</translation>
    </message>
    <message>
      <source>string92</source>
      <translation>고속 확인 모드 보호 정지 유효/무효</translation>
    </message>
    <message>
      <source>string93</source>
      <translation>재생 모드 보호 정지 유효/무효</translation>
    </message>
    <message>
      <source>string94</source>
      <translation>정지 카테고리</translation>
    </message>
    <message>
      <source>string95</source>
      <translation>정지 거리 추정 유효/무효</translation>
    </message>
    <message>
      <source>string96</source>
      <translation>축 범위 설정</translation>
    </message>
    <message>
      <source>string97</source>
      <translation>제한 속도</translation>
    </message>
    <message>
      <source>string98</source>
      <translation>암/장치 속도 감시점 유효/무효</translation>
    </message>
    <message>
      <source>string99</source>
      <translation>툴 속도 감시점 유효/무효</translation>
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
      <translation>영역 %1: 유효, 그리지 않음 (꼭짓점 또는 Z 범위를 사용할 수 없음)</translation>
    </message>
    <message>
      <source>Area %1: forbidden, Z %2 to %3 mm</source>
      <translation>영역 %1: 금지, Z %2 ~ %3 mm</translation>
    </message>
    <message>
      <source>Area %1: permitted, Z %2 to %3 mm</source>
      <translation>영역 %1: 허용, Z %2 ~ %3 mm</translation>
    </message>
    <message>
      <source>Arm model %1: enabled, not drawn (its values are not usable)</source>
      <translation>암 감시 모델 %1: 유효, 그리지 않음 (값을 사용할 수 없음)</translation>
    </message>
    <message>
      <source>Arm model, maker setting</source>
      <translation>암 감시 모델 (메이커 설정)</translation>
    </message>
    <message>
      <source>Arm model, user setting</source>
      <translation>암 감시 모델 (사용자 설정)</translation>
    </message>
    <message>
      <source>Forbidden area</source>
      <translation>금지 영역</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every %2 mm.</source>
      <translation>격자선은 %1 mm 간격, 굵은 선은 %2 mm 간격입니다.</translation>
    </message>
    <message>
      <source>Grid lines every %1 mm, heavier every 1000 mm.</source>
      <translation>격자선은 %1 mm 간격, 굵은 선은 1000 mm 간격입니다.</translation>
    </message>
    <message>
      <source>No motion area is enabled.</source>
      <translation>유효한 동작 영역이 없습니다.</translation>
    </message>
    <message>
      <source>Permitted area</source>
      <translation>허용 영역</translation>
    </message>
    <message>
      <source>Robot in its home pose (all joints at 0)</source>
      <translation>홈 자세 (모든 축 0) 의 로봇</translation>
    </message>
    <message>
      <source>Tool model %1 of tool 1: enabled, not drawn (its values are not usable)</source>
      <translation>툴 1의 툴 감시 모델 %1: 유효, 그리지 않음 (값을 사용할 수 없음)</translation>
    </message>
    <message>
      <source>Tool model of tool 1</source>
      <translation>툴 1의 툴 감시 모델</translation>
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
      <translation>동작 영역 모델</translation>
    </message>
    <message>
      <source>AreaNo</source>
      <translation>영역</translation>
    </message>
    <message>
      <source>Item Forbidden</source>
      <translation>금지</translation>
    </message>
    <message>
      <source>Item Permitted</source>
      <translation>허용</translation>
    </message>
    <message>
      <source>Label Cost Left %1 %2</source>
      <translation>남은 처리 용량:
%1 / %2</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>파라미터</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>정지 카테고리 0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>정지 카테고리 1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>정지</translation>
    </message>
    <message>
      <source>Warning Concave</source>
      <translation>윤곽이 볼록하지 않습니다.</translation>
    </message>
    <message>
      <source>Warning Crossing</source>
      <translation>윤곽이 서로 교차합니다.</translation>
    </message>
    <message>
      <source>Warning Repeated Vertex %1 %2</source>
      <translation>꼭짓점 %1과 %2가 겹칩니다.</translation>
    </message>
    <message>
      <source>Warning Z Order</source>
      <translation>Z 상한이 Z 하한보다 아래에 있습니다.</translation>
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
      <translation>암 감시 모델</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>복사</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>메이커</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>사용자</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>축 번호</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>모델 번호</translation>
    </message>
    <message>
      <source>Outside their limits in the set not shown (%1):</source>
      <translation>표시되지 않은 세트(%1)의 제한을 벗어난 값:</translation>
    </message>
    <message>
      <source>Outside their limits, shown on no page:</source>
      <translation>어느 페이지에도 표시되지 않는 제한을 벗어난 값:</translation>
    </message>
    <message>
      <source>Param</source>
      <translation>파라미터</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>붙여넣기</translation>
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
      <translation>좌표 번호 설정</translation>
    </message>
    <message>
      <source>capsule</source>
      <translation>캡슐</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>구</translation>
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
      <translation>암/디바이스 위의 속도 감시점</translation>
    </message>
    <message>
      <source>Coordinate No</source>
      <translation>좌표 번호</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>복사</translation>
    </message>
    <message>
      <source>Item Category Maker</source>
      <translation>메이커</translation>
    </message>
    <message>
      <source>Item Category User</source>
      <translation>사용자</translation>
    </message>
    <message>
      <source>Item Invalid</source>
      <translation>무효</translation>
    </message>
    <message>
      <source>Joint No</source>
      <translation>축 번호</translation>
    </message>
    <message>
      <source>Label Category</source>
      <translation>사양</translation>
    </message>
    <message>
      <source>MonitoringPoint</source>
      <translation>감시점</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>붙여넣기</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>속도 감시점 설정</translation>
    </message>
    <message>
      <source>Title Coordinate No Setting</source>
      <translation>좌표 번호 설정</translation>
    </message>
  </context>
  <context>
    <name>Property::CustomSpeed</name>
    <message>
      <source>%1 points on the arm and devices, %2 on tools</source>
      <translation>암/디바이스 %1점, 툴 %2점</translation>
    </message>
    <message>
      <source>Monitoring Points...</source>
      <translation>감시점...</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>속도 감시점</translation>
    </message>
  </context>
  <context>
    <name>Property::Joint</name>
    <message>
      <source>Disabled</source>
      <translation>무효</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>유효</translation>
    </message>
    <message>
      <source>Forbidden</source>
      <translation>금지</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>축</translation>
    </message>
    <message>
      <source>Joint %1 %2: %3</source>
      <translation>축%1 %2: %3</translation>
    </message>
    <message>
      <source>Joint %1: the lower limit lies above the upper limit.</source>
      <translation>축%1: 하한이 상한보다 큽니다.</translation>
    </message>
    <message>
      <source>Joint %1: the range leaves the constant range %2 to %3%4.</source>
      <translation>축%1: 범위가 상시 감시 범위 %2 ~ %3%4을(를) 벗어납니다.</translation>
    </message>
    <message>
      <source>Lower</source>
      <translation>하한</translation>
    </message>
    <message>
      <source>Outside their limits, not shown for this target:</source>
      <translation>한계를 벗어난 값(이 대상에서는 표시되지 않음):</translation>
    </message>
    <message>
      <source>Permitted</source>
      <translation>허가</translation>
    </message>
    <message>
      <source>Range</source>
      <translation>범위</translation>
    </message>
    <message>
      <source>Upper</source>
      <translation>상한</translation>
    </message>
  </context>
  <context>
    <name>Property::ModeSpeed</name>
    <message>
      <source>FunctionDisabled</source>
      <translation>기능 무효</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>기능 유효</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Enabled</source>
      <translation>고속 확인 모드 유효</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Speed Limit</source>
      <translation>속도 상한</translation>
    </message>
    <message>
      <source>Label Check Fast Mode Stop Category</source>
      <translation>정지 카테고리</translation>
    </message>
    <message>
      <source>Label Teach Mode Enabled</source>
      <translation>교시 모드 유효</translation>
    </message>
    <message>
      <source>Label Teach Mode Speed Limit</source>
      <translation>속도 상한</translation>
    </message>
    <message>
      <source>Label Teach Mode Stop Category</source>
      <translation>정지 카테고리</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>모드별 속도 감시</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>정지 카테고리 0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>정지 카테고리 1</translation>
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
      <translation>불일치 허용 시간</translation>
    </message>
    <message>
      <source>DuplexLogic</source>
      <translation>이중화 논리</translation>
    </message>
    <message>
      <source>FilterTime</source>
      <translation>필터 시간</translation>
    </message>
    <message>
      <source>PulseDiagnosisEnabled</source>
      <translation>펄스 진단 유효</translation>
    </message>
    <message>
      <source>Safety Input Setting</source>
      <translation>사용자 안전 입력</translation>
    </message>
    <message>
      <source>UserSafetyInput</source>
      <translation>사용자 안전 입력</translation>
    </message>
  </context>
  <context>
    <name>Property::SafetySignatureCRC</name>
    <message>
      <source>MonitorCRC</source>
      <translation>감시 설정 CRC</translation>
    </message>
    <message>
      <source>MonitorUpdateTime</source>
      <translation>감시 설정 갱신 일시</translation>
    </message>
    <message>
      <source>Safety Signature CRC</source>
      <translation>안전 서명</translation>
    </message>
    <message>
      <source>SignalCRC</source>
      <translation>신호 설정 CRC</translation>
    </message>
    <message>
      <source>SignalUpdateTime</source>
      <translation>신호 설정 갱신 일시</translation>
    </message>
    <message>
      <source>SystemCRC</source>
      <translation>시스템 설정 CRC</translation>
    </message>
    <message>
      <source>SystemUpdateTime</source>
      <translation>시스템 설정 갱신 일시</translation>
    </message>
    <message>
      <source>WholeCRC</source>
      <translation>전체 설정 CRC</translation>
    </message>
    <message>
      <source>WholeUpdateTime</source>
      <translation>전체 설정 갱신 일시</translation>
    </message>
  </context>
  <context>
    <name>Property::SetPanel</name>
    <message>
      <source>Function</source>
      <translation>기능</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>기능 유효</translation>
    </message>
  </context>
  <context>
    <name>Property::SettingCommon</name>
    <message>
      <source>%1 hold the same value %2.</source>
      <translation>%1 은(는) 같은 값 %2을(를) 가집니다.</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>툴</translation>
    </message>
  </context>
  <context>
    <name>Property::StopDistanceEstimation</name>
    <message>
      <source>Maker</source>
      <translation>제조사</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>사양</translation>
    </message>
    <message>
      <source>Stop Distance Estimation</source>
      <translation>정지 거리 추정</translation>
    </message>
    <message>
      <source>StopDistanceEstimation Maker</source>
      <translation>제조사 설정값</translation>
    </message>
    <message>
      <source>User</source>
      <translation>사용자</translation>
    </message>
  </context>
  <context>
    <name>Property::StopItems</name>
    <message>
      <source>Function</source>
      <translation>기능</translation>
    </message>
  </context>
  <context>
    <name>Property::StopMonitoring</name>
    <message>
      <source>CheckBox disableJoint</source>
      <translation>무효</translation>
    </message>
    <message>
      <source>CheckBox enableCheckMode</source>
      <translation>고속 확인 모드에서 유효</translation>
    </message>
    <message>
      <source>CheckBox enableRepeatMode</source>
      <translation>재생 모드에서 유효</translation>
    </message>
    <message>
      <source>CheckBox enableTeachMode</source>
      <translation>교시 모드에서 유효</translation>
    </message>
    <message>
      <source>Function</source>
      <translation>기능</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>기능 유효</translation>
    </message>
    <message>
      <source>Label threshold for stop monitoring:</source>
      <translation>정지 판정 임계값:</translation>
    </message>
    <message>
      <source>Set%1</source>
      <translation>%1</translation>
    </message>
    <message>
      <source>Stop Monitoring</source>
      <translation>정지 감시</translation>
    </message>
    <message>
      <source>enableJoint</source>
      <translation>유효</translation>
    </message>
    <message>
      <source>targetDevice</source>
      <translation>대상 디바이스</translation>
    </message>
    <message>
      <source>targetJoint</source>
      <translation>대상 축</translation>
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
      <translation>무효</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>유효</translation>
    </message>
    <message>
      <source>IP address is incorrect</source>
      <translation>IP 주소가 올바르지 않습니다</translation>
    </message>
    <message>
      <source>IPAddress</source>
      <translation>접속처 IP 주소</translation>
    </message>
    <message>
      <source>IPAddress Change Error</source>
      <translation>IP 주소 범위 외</translation>
    </message>
    <message>
      <source>IPAddress Change Message</source>
      <translation>변경 확인</translation>
    </message>
    <message>
      <source>IPAddress Save Error</source>
      <translation>IP 주소 저장 오류</translation>
    </message>
    <message>
      <source>IoBoards</source>
      <translation>I/O 보드 수</translation>
    </message>
    <message>
      <source>Label safetyNetwork</source>
      <translation>안전 네트워크</translation>
    </message>
    <message>
      <source>OpeMode</source>
      <translation>운전 모드 입력</translation>
    </message>
    <message>
      <source>ParamVer</source>
      <translation>파라미터 버전</translation>
    </message>
    <message>
      <source>Please app restart</source>
      <translation>IP 주소가 변경되었습니다.
애플리케이션을 다시 시작하십시오.</translation>
    </message>
    <message>
      <source>Please check config file</source>
      <translation>IP 주소를 설정 파일에 쓸 수 없었습니다.
이전 주소가 계속 사용됩니다.</translation>
    </message>
    <message>
      <source>Please check your Safety input/output signal</source>
      <translation>I/O 보드 수가 변경되었습니다.
안전 입출력 신호를 확인하십시오.</translation>
    </message>
    <message>
      <source>Safety IO Change Message</source>
      <translation>변경 확인</translation>
    </message>
    <message>
      <source>SoftVer</source>
      <translation>소프트웨어 버전</translation>
    </message>
    <message>
      <source>Spec</source>
      <translation>사양</translation>
    </message>
    <message>
      <source>Spec Automaker</source>
      <translation>자동차 제조사</translation>
    </message>
    <message>
      <source>Spec Clean</source>
      <translation>클린</translation>
    </message>
    <message>
      <source>Spec Standard</source>
      <translation>표준</translation>
    </message>
    <message>
      <source>System</source>
      <translation>시스템 설정</translation>
    </message>
    <message>
      <source>item Operation Panel</source>
      <translation>조작 패널</translation>
    </message>
    <message>
      <source>item User</source>
      <translation>사용자</translation>
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
      <translation>복사</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>종류</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>모델 번호</translation>
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
      <translation>파라미터</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>붙여넣기</translation>
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
      <translation>반경</translation>
    </message>
    <message>
      <source>T</source>
      <translation>T</translation>
    </message>
    <message>
      <source>Tool</source>
      <translation>툴</translation>
    </message>
    <message>
      <source>ToolModelSetting</source>
      <translation>툴 감시 모델</translation>
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
      <translation>캡슐</translation>
    </message>
    <message>
      <source>cuboid</source>
      <translation>직육면체</translation>
    </message>
    <message>
      <source>sphere</source>
      <translation>구</translation>
    </message>
    <message>
      <source>width</source>
      <translation>폭</translation>
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
      <translation>변경 확인</translation>
    </message>
    <message>
      <source>EulerAngleA</source>
      <translation>오일러 각 A</translation>
    </message>
    <message>
      <source>EulerAngleO</source>
      <translation>오일러 각 O</translation>
    </message>
    <message>
      <source>FunctionEnabled</source>
      <translation>기능 유효</translation>
    </message>
    <message>
      <source>HalfTopAngle</source>
      <translation>반정각</translation>
    </message>
    <message>
      <source>Since all the ranges 1-%1 are invalid, the tool orientation monitoring set %2 is disabled.</source>
      <translation>범위 1-%1이 모두 무효이므로 툴 자세 감시 세트 %2를 무효로 합니다.</translation>
    </message>
    <message>
      <source>Stop Category 0</source>
      <translation>정지 카테고리 0</translation>
    </message>
    <message>
      <source>Stop Category 1</source>
      <translation>정지 카테고리 1</translation>
    </message>
    <message>
      <source>StopSetting</source>
      <translation>정지</translation>
    </message>
    <message>
      <source>ToolOrientationRange</source>
      <translation>툴 자세 범위</translation>
    </message>
    <message>
      <source>ToolOrientationRangeSetting</source>
      <translation>툴 자세 범위 설정</translation>
    </message>
    <message>
      <source>ToolOrientationSet</source>
      <translation>툴 자세 감시 세트</translation>
    </message>
    <message>
      <source>ToolOrientationSetSetting</source>
      <translation>툴 자세 감시 세트 설정</translation>
    </message>
    <message>
      <source>enableCheckMode</source>
      <translation>체크 빨리 감기 모드에서 유효</translation>
    </message>
    <message>
      <source>enableRepeatMode</source>
      <translation>재생 모드에서 유효</translation>
    </message>
    <message>
      <source>enableTeachMode</source>
      <translation>티치 모드에서 유효</translation>
    </message>
    <message>
      <source>label Stop Cat</source>
      <translation>정지 카테고리</translation>
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
      <translation>복사</translation>
    </message>
    <message>
      <source>ModelNo</source>
      <translation>감시점</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>붙여넣기</translation>
    </message>
    <message>
      <source>Speed Points Setting</source>
      <translation>속도 감시점 설정</translation>
    </message>
    <message>
      <source>Tool Speed Monitoring Points</source>
      <translation>툴 위의 속도 감시점</translation>
    </message>
    <message>
      <source>ToolNo</source>
      <translation>툴 번호</translation>
    </message>
  </context>
  <context>
    <name>PropertyWidget</name>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
    </message>
    <message>
      <source>ToolTipRangeLower</source>
      <translation>하한</translation>
    </message>
    <message>
      <source>ToolTipRangeUpper</source>
      <translation>상한</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>%1: Invalid signal number.</source>
      <translation>%1: 잘못된 신호 번호입니다.</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>재설정</translation>
    </message>
  </context>
  <context>
    <name>SafetyReport</name>
    <message>
      <source>%1, not signed</source>
      <translation>%1, 서명되지 않음</translation>
    </message>
    <message>
      <source>All data CRC</source>
      <translation>전체 데이터 CRC</translation>
    </message>
    <message>
      <source>Checked by</source>
      <translation>확인자</translation>
    </message>
    <message>
      <source>Column</source>
      <translation>열</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>날짜</translation>
    </message>
    <message>
      <source>Every value outside its limits, not finite or whose file text was not kept, with its number as marked on the pages. Rows and columns count from 1 as in a parameter file.</source>
      <translation>범위를 벗어난 값, 유한하지 않은 값, 파일의 텍스트대로 유지되지 않은 값을 모두 각 페이지에 표시한 번호와 함께 나열합니다. 행과 열은 파라미터 파일과 같이 1부터 셉니다.</translation>
    </message>
    <message>
      <source>Findings</source>
      <translation>발견 사항</translation>
    </message>
    <message>
      <source>Formula</source>
      <translation>연산식</translation>
    </message>
    <message>
      <source>Limits</source>
      <translation>범위</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>이름</translation>
    </message>
    <message>
      <source>No logical operation is in use.</source>
      <translation>사용 중인 논리 연산이 없습니다.</translation>
    </message>
    <message>
      <source>No.</source>
      <translation>번호</translation>
    </message>
    <message>
      <source>None.</source>
      <translation>없습니다.</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>출력 대상</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>페이지</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>파라미터</translation>
    </message>
    <message>
      <source>Plan view</source>
      <translation>평면도 (XY)</translation>
    </message>
    <message>
      <source>Report date</source>
      <translation>보고서 작성 일시</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>연산 결과</translation>
    </message>
    <message>
      <source>Robot type</source>
      <translation>로봇 기종</translation>
    </message>
    <message>
      <source>Row</source>
      <translation>행</translation>
    </message>
    <message>
      <source>Rows whose values are all 0 and within their limits are not listed.</source>
      <translation>모든 값이 0이고 범위 안에 있는 행은 표시하지 않습니다.</translation>
    </message>
    <message>
      <source>Safety Report</source>
      <translation>안전 보고서</translation>
    </message>
    <message>
      <source>Signal assignments whose file text was not kept:</source>
      <translation>파일의 텍스트대로 유지되지 않은 신호 할당:</translation>
    </message>
    <message>
      <source>Signals assigned a number that is no result:</source>
      <translation>결과 번호가 아닌 값이 할당된 신호:</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>서명</translation>
    </message>
    <message>
      <source>Source</source>
      <translation>원본</translation>
    </message>
    <message>
      <source>The report shows the set as last read, or as last written to Orbilux; changes applied since then are not in it, even where they were saved to a parameter file.</source>
      <translation>이 보고서는 마지막으로 읽었거나 마지막으로 Orbilux에 쓴 파라미터를 보여 줍니다. 그 이후에 적용한 변경은 파라미터 파일에 저장했더라도 포함되지 않습니다.</translation>
    </message>
    <message>
      <source>The report shows the set as last read, written or saved; changes applied since then are not in it.</source>
      <translation>이 보고서는 마지막으로 읽거나 쓰거나 저장한 파라미터를 보여 줍니다. 그 이후에 적용한 변경은 포함되지 않습니다.</translation>
    </message>
    <message>
      <source>The safety report was written.
Filename: %1</source>
      <translation>안전 보고서를 썼습니다.
파일 이름: %1</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>단위</translation>
    </message>
    <message>
      <source>Value</source>
      <translation>값</translation>
    </message>
    <message>
      <source>Values outside their limits</source>
      <translation>범위를 벗어난 값</translation>
    </message>
    <message>
      <source>Values outside their limits are marked.</source>
      <translation>범위를 벗어난 값은 강조 표시됩니다.</translation>
    </message>
    <message>
      <source>Writing the safety report...</source>
      <translation>안전 보고서를 쓰는 중...</translation>
    </message>
    <message>
      <source>no page</source>
      <translation>페이지 없음</translation>
    </message>
  </context>
  <context>
    <name>Scene::SceneSignals</name>
    <message>
      <source>AreaModel</source>
      <translation>영역 감시 모델</translation>
    </message>
    <message>
      <source>ArmModel</source>
      <translation>암 감시 모델</translation>
    </message>
    <message>
      <source>ArmSpeed</source>
      <translation>암/장치의 속도 감시점</translation>
    </message>
    <message>
      <source>CustomSpeed</source>
      <translation>사용자 정의 속도 감시</translation>
    </message>
    <message>
      <source>EmergencyStop</source>
      <translation>비상 정지</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>홈</translation>
    </message>
    <message>
      <source>Joint</source>
      <translation>축</translation>
    </message>
    <message>
      <source>LogicalOperation</source>
      <translation>논리 연산</translation>
    </message>
    <message>
      <source>ModeSpeed</source>
      <translation>모드별 속도 감시</translation>
    </message>
    <message>
      <source>Monitoring</source>
      <translation>모니터링</translation>
    </message>
    <message>
      <source>MonitoringEmergencyStop</source>
      <translation>비상 정지</translation>
    </message>
    <message>
      <source>MonitoringJoint</source>
      <translation>축</translation>
    </message>
    <message>
      <source>MonitoringJointPosition</source>
      <translation>축 위치</translation>
    </message>
    <message>
      <source>MonitoringLogicalOperation</source>
      <translation>논리 연산</translation>
    </message>
    <message>
      <source>MonitoringMotionArea</source>
      <translation>동작 영역</translation>
    </message>
    <message>
      <source>MonitoringProtectiveStop</source>
      <translation>보호 정지</translation>
    </message>
    <message>
      <source>MonitoringSafetyInput</source>
      <translation>안전 입력</translation>
    </message>
    <message>
      <source>MonitoringSafetyOutput</source>
      <translation>안전 출력</translation>
    </message>
    <message>
      <source>MonitoringSpeed</source>
      <translation>속도</translation>
    </message>
    <message>
      <source>MonitoringStop</source>
      <translation>정지</translation>
    </message>
    <message>
      <source>MonitoringToolId</source>
      <translation>툴 ID</translation>
    </message>
    <message>
      <source>MonitoringToolOrientation</source>
      <translation>툴 자세</translation>
    </message>
    <message>
      <source>NetworkParameters</source>
      <translation>네트워크 파라미터</translation>
    </message>
    <message>
      <source>NetworkSafetyStatus</source>
      <translation>네트워크 안전 상태</translation>
    </message>
    <message>
      <source>NetworkStatus</source>
      <translation>네트워크 상태</translation>
    </message>
    <message>
      <source>OutputSafetyReport</source>
      <translation>안전 보고서 출력</translation>
    </message>
    <message>
      <source>ProtectiveStopSafetyFence</source>
      <translation>보호 정지(안전 펜스)</translation>
    </message>
    <message>
      <source>ProtectiveStopUserProtectiveStop</source>
      <translation>사용자 보호 정지</translation>
    </message>
    <message>
      <source>SafetyInput</source>
      <translation>안전 입력</translation>
    </message>
    <message>
      <source>SafetySignatureCRC</source>
      <translation>CRC</translation>
    </message>
    <message>
      <source>SettingCommon</source>
      <translation>공통</translation>
    </message>
    <message>
      <source>StopDistanceEstimation</source>
      <translation>정지 거리 추정</translation>
    </message>
    <message>
      <source>StopMonitoring</source>
      <translation>정지 감시</translation>
    </message>
    <message>
      <source>System</source>
      <translation>시스템</translation>
    </message>
    <message>
      <source>ToolModel</source>
      <translation>툴 감시 모델</translation>
    </message>
    <message>
      <source>ToolOrientation</source>
      <translation>툴 자세</translation>
    </message>
    <message>
      <source>ToolSpeed</source>
      <translation>툴의 속도 감시점</translation>
    </message>
  </context>
  <context>
    <name>SpeedPointDialog</name>
    <message>
      <source>Above the limit of the word: kept as stored.</source>
      <translation>워드 상한을 넘는 비트입니다. 저장된 값 그대로 유지합니다.</translation>
    </message>
    <message>
      <source>Bit %1</source>
      <translation>비트%1</translation>
    </message>
    <message>
      <source>Bits in red lie above the limit of their word; they are kept as stored.</source>
      <translation>빨간색 비트는 워드 상한을 넘습니다. 저장된 값 그대로 유지합니다.</translation>
    </message>
    <message>
      <source>No known meaning: kept as stored.</source>
      <translation>의미가 알려지지 않은 비트입니다. 저장된 값 그대로 유지합니다.</translation>
    </message>
    <message>
      <source>Speed Monitoring Points</source>
      <translation>속도 감시점</translation>
    </message>
    <message>
      <source>Word %1</source>
      <translation>워드%1</translation>
    </message>
  </context>
  <context>
    <name>StartupWindow</name>
    <message>
      <source>Reading robot parameters...</source>
      <translation>로봇 파라미터를 읽는 중...</translation>
    </message>
  </context>
  <context>
    <name>StatusLine</name>
    <message>
      <source>All data CRC</source>
      <translation>전체 데이터 CRC</translation>
    </message>
    <message>
      <source>All data CRC %1</source>
      <translation>전체 데이터 CRC %1</translation>
    </message>
    <message>
      <source>Applied changes not yet written</source>
      <translation>적용된 변경 사항이 아직 기록되지 않았습니다</translation>
    </message>
    <message>
      <source>Not checked (stored as 9894): %1</source>
      <translation>검사되지 않음(9894로 저장됨): %1</translation>
    </message>
    <message>
      <source>Not signed</source>
      <translation>서명되지 않음</translation>
    </message>
    <message>
      <source>Orbilux (%1)</source>
      <translation>Orbilux (%1)</translation>
    </message>
    <message>
      <source>Robot data: %1</source>
      <translation>로봇 데이터: %1</translation>
    </message>
    <message>
      <source>Robot data: %1, not signed</source>
      <translation>로봇 데이터: %1, 서명되지 않음</translation>
    </message>
    <message>
      <source>Source: %1</source>
      <translation>출처: %1</translation>
    </message>
    <message>
      <source>Source: %1, not signed</source>
      <translation>출처: %1, 서명되지 않음</translation>
    </message>
  </context>
  <context>
    <name>SubMenuTable</name>
    <message>
      <source>Enabled</source>
      <translation>유효</translation>
    </message>
    <message>
      <source>Item</source>
      <translation>항목</translation>
    </message>
    <message>
      <source>Visible</source>
      <translation>표시</translation>
    </message>
  </context>
  <context>
    <name>ValueValidator</name>
    <message>
      <source>%1 to %2</source>
      <translation>%1 ~ %2</translation>
    </message>
    <message>
      <source>(file: %1)</source>
      <translation>(파일: %1)</translation>
    </message>
    <message>
      <source>limits %1</source>
      <translation>범위 %1</translation>
    </message>
  </context>
  <context>
    <name>WaitDialog</name>
    <message>
      <source>Writing parameters...</source>
      <translation>파라미터를 쓰는 중...</translation>
    </message>
  </context>
</TS>
