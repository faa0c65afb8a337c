# The project window's 计算书 and workbook: saved as PDF and as text, exported as a workbook, printed, and
# refused with a message that names the file, says why and what to do when the folder is not there. A
# second save under the same name is asked about: the first one wrote the file.

choose Combo2 建筑、人防工程
click Text5
click Check28
type Text1 1500
click Command1
answer-text 地下人防
click additem
> {"text":{"title":"加入项目","answer":"地下人防"}}
type Project.name 某某道路工程
key Project.name Return

answer-file 项目计算书.pdf
click Project.saveReport
> {"file":{"title":"项目计算书另存为","answer":"项目计算书.pdf"}}
answer-file 项目计算书.txt
click Project.saveReport
> {"file":{"title":"项目计算书另存为","answer":"项目计算书.txt"}}
answer-file 项目计算书.pdf
click Project.saveReport
> {"file":{"title":"项目计算书另存为","answer":"项目计算书.pdf"}}
> {"message":{"title":"项目计算书另存为","text":"项目计算书.pdf 已存在。\n您想要替换它吗？"}}
answer-file 没有的文件夹/项目计算书.txt
click Project.saveReport
> {"file":{"title":"项目计算书另存为","answer":"没有的文件夹/项目计算书.txt"}}
> {"message":{"title":"Varnel","text":"项目计算书未能保存为“项目计算书.txt”：文件夹不存在。\n请换一个已有的文件夹，然后再保存一次。","icon":"exclamation","buttons":["确定"]}}

answer-file 道路.xlsx
click Project.exportWorkbook
> {"file":{"title":"导出 Excel","answer":"道路.xlsx"}}
answer-file 道路.xlsx
click Project.exportWorkbook
> {"file":{"title":"导出 Excel","answer":"道路.xlsx"}}
> {"message":{"title":"导出 Excel","text":"道路.xlsx 已存在。\n您想要替换它吗？"}}
answer-file 没有的文件夹/道路.xlsx
click Project.exportWorkbook
> {"file":{"title":"导出 Excel","answer":"没有的文件夹/道路.xlsx"}}
> {"message":{"title":"Varnel","text":"工作簿未能导出为“道路.xlsx”：文件夹不存在。\n请换一个已有的文件夹，然后再导出一次。","icon":"exclamation","buttons":["确定"]}}

answer-button 不保存
close Project
close Form1
> {"message":{"text":"项目“某某道路工程”已经修改，要保存吗？"}}
> {"exit":true}
