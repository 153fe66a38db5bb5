<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>Localized</name>
    <message>
        <source>Drop Old Glyphs App</source>
        <comment>Drop_Old_Glyphs_App</comment>
        <translation>旧バージョンの Glyphs をドロップ</translation>
    </message>
    <message>
        <source>Quillstone</source>
        <comment>Quillstone</comment>
        <translation>Quillstone</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>kSave</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Old</source>
        <comment>kOld</comment>
        <translation>旧</translation>
    </message>
    <message>
        <source>Not a Glyphs app.</source>
        <comment>Not_a_Glyphs_app</comment>
        <translation>Glyphs アプリケーションではありません。</translation>
    </message>
    <message>
        <source>Both apps are the same version.</source>
        <comment>Both_apps_are_the_same_version</comment>
        <translation>2 つのアプリケーションは同じバージョンです。</translation>
    </message>
    <message>
        <source>Drop New Glyphs App</source>
        <comment>Drop_New_Glyphs_App</comment>
        <translation>新バージョンの Glyphs をドロップ</translation>
    </message>
    <message>
        <source>New</source>
        <comment>kNew</comment>
        <translation>新</translation>
    </message>
    <message>
        <source>Both AJ1 Map Files are the same.</source>
        <comment>Both_AJ1_Map_Files_are_the_same</comment>
        <translation>2 つの AJ1 マップファイルは同じです。</translation>
    </message>
    <message>
        <source>Drop the new Glyphs app.</source>
        <comment>Drop_the_new_Glyphs_app</comment>
        <translation>新しいバージョンの Glyphs アプリケーションをドロップしてください。</translation>
    </message>
    <message>
        <source>Drop the old Glyphs app.</source>
        <comment>Drop_the_old_Glyphs_app</comment>
        <translation>古いバージョンの Glyphs アプリケーションをドロップしてください。</translation>
    </message>
    <message>
        <source>The report could not be saved.</source>
        <comment>The_report_could_not_be_saved</comment>
        <translation>レポートを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>RegExVelk</name>
    <message>
        <source>Metacharacters ^ $ \b cannot be used alone.</source>
        <comment>kAlert_Metacharacters</comment>
        <translation>メタ文字 ^ $ \b は単独では使用できません。</translation>
    </message>
</context>
<context>
    <name>LocalizedMenu</name>
    <message>
        <source>File</source>
        <comment>kFile</comment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>kFileClose</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>kEdit</comment>
        <translation>編集</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>kCut</comment>
        <translation>カット</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>kCopy</comment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>kPaste</comment>
        <translation>ペースト</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>kDelete</comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>kSelectAll</comment>
        <translation>すべてを選択</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>kWindow</comment>
        <translation>ウインドウ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>kMinimize</comment>
        <translation>しまう</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>kZoom</comment>
        <translation>拡大/縮小</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <comment>kBringAllToFront</comment>
        <translation>すべてを手前に移動</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>kHelp</comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>en</source>
        <comment>kLang</comment>
        <translation>ja</translation>
    </message>
</context>
</TS>
