<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필 내보내기 실패</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필이 하나 이상 있어야 합니다</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>프로필 삭제 실패</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하세요</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>프로필 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필 가져오기 실패</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>프로필을 추가했습니다</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>프로필 추가 실패</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>프로그램 선택</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>프로그램(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>프로필 이름을 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>프로필 이름 또는 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필 정보를 수정했습니다</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>프로필 정보 수정 실패</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>현재 프로필을 초기화했습니다</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>현재 프로필 초기화 실패</translation>
    </message>
</context>
</TS>
