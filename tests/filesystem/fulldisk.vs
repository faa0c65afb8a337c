# Saves onto a disk with no byte left (a small file system of its own, filled by fulldisk_test.sh): each
# says the disk is full and what to do, the project stays unsaved and the program running, and every file
# that was there keeps its bytes.

answer-file /mnt/道路.varnel
click openproject
> {"file":{"title":"打开项目","answer":"/mnt/道路.varnel"}}
type Project.name 改过的道路工程
key Project.name Return
click saveproject
> {"message":{"title":"Varnel","text":"项目未能保存为“道路.varnel”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再保存一次。\n项目仍未保存。","icon":"exclamation","buttons":["确定"]}}
state
> {"state":{"Form1":{"open":true,"title":"Varnel - 改过的道路工程 *"}}}

# 退出 → 保存: the save fails, so nothing ends.
answer-button 保存
click exit
> {"message":{"text":"项目“改过的道路工程”已经修改，要保存吗？","buttons":["保存","不保存","取消"]}}
> {"message":{"text":"项目未能保存为“道路.varnel”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再保存一次。\n项目仍未保存。"}}
state
> {"state":{"Form1":{"open":true,"title":"Varnel - 改过的道路工程 *"},"Project":{"open":true}}}

# Closing the last window → 保存: the same.
close Form1
answer-button 保存
close Project
> {"message":{"text":"项目“改过的道路工程”已经修改，要保存吗？"}}
> {"message":{"text":"项目未能保存为“道路.varnel”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再保存一次。\n项目仍未保存。"}}
state
> {"state":{"Project":{"open":true,"title":"项目 - 改过的道路工程 *"}}}

# The project's 计算书 as text and as PDF, and the workbook, over files already there.
answer-file /mnt/项目计算书.txt
click Project.saveReport
> {"file":{"title":"项目计算书另存为","answer":"/mnt/项目计算书.txt"}}
> {"message":{"text":"项目计算书.txt 已存在。\n您想要替换它吗？"}}
> {"message":{"title":"Varnel","text":"项目计算书未能保存为“项目计算书.txt”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再保存一次。","icon":"exclamation"}}
answer-file /mnt/项目计算书.pdf
click Project.saveReport
> {"file":{"title":"项目计算书另存为","answer":"/mnt/项目计算书.pdf"}}
> {"message":{"text":"项目计算书.pdf 已存在。\n您想要替换它吗？"}}
> {"message":{"text":"项目计算书未能保存为“项目计算书.pdf”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再保存一次。"}}
answer-file /mnt/道路.xlsx
click Project.exportWorkbook
> {"file":{"title":"导出 Excel","answer":"/mnt/道路.xlsx"}}
> {"message":{"text":"道路.xlsx 已存在。\n您想要替换它吗？"}}
> {"message":{"text":"工作簿未能导出为“道路.xlsx”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再导出一次。"}}

# The report window's 计算书 of an item, as text.
activate Project.items 主线道路
click Command2
answer-file /mnt/计算书.txt
key Form2.Text1 Ctrl+S
> {"file":{"title":"另存为","answer":"/mnt/计算书.txt"}}
> {"message":{"text":"计算书.txt 已存在。\n您想要替换它吗？"}}
> {"message":{"text":"计算书未能保存为“计算书.txt”：磁盘已满。\n请腾出磁盘空间，或保存到另一个磁盘上，然后再保存一次。"}}

answer-button 不保存
click exit
> {"message":{"text":"项目“改过的道路工程”已经修改，要保存吗？"}}
> {"exit":true}
