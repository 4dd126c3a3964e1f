<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
  <context>
    <name>MsgBox</name>
    <message>
      <source>Cancel</source>
      <translation>취소</translation>
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
      <source>Yes</source>
      <translation>예</translation>
    </message>
  </context>
</TS>
