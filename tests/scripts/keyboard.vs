# A whole calculation and its report from the keyboard alone: the type with the arrow keys, the grade with
# Space or Enter on its description, boxes and buttons with Space, the report saved with Ctrl+S.
key Combo2 Down Down Down
key Text5 Space
key Check28 Space
key Check7 Space
key Text1 1 5 0 0
key Command1 Space
state
> {"state":{"Form1":{"focus":"Text1","controls":{"Combo2":{"text":"建筑、人防工程"},"Label7":{"caption":"Ⅱ级"},"Check28":{"value":1},"Check7":{"value":1},"Text15":{"text":" 60.555"},"Text16":{"text":" 3.02775"},"Text17":{"text":" 63.58275"}}}}}
key Text6 Return
state
> {"state":{"Form1":{"focus":"Text6","controls":{"Label7":{"caption":"Ⅲ级"}}}}}
key Command2 Space
state
> {"state":{"Form2":{"open":true,"focus":"Text1"}}}

# Saving: the file dialog is answered, cancelled, or given a folder that does not exist.
answer-file 计算书-键盘.txt
key Form2.Text1 Ctrl+S
> {"file":{"title":"另存为","answer":"计算书-键盘.txt"}}
key Form2.Text1 Ctrl+S
> {"file":{"title":"另存为","answer":null}}
answer-file 没有的文件夹/计算书.txt
key Form2.Text1 Ctrl+S
> {"file":{"title":"另存为","answer":"没有的文件夹/计算书.txt"}}
> {"message":{"title":"Varnel","text":"计算书未能保存为“计算书.txt”：文件夹不存在。\n请换一个已有的文件夹，然后再保存一次。","icon":"exclamation","buttons":["确定"]}}

# What takes no focus, or is out of reach, is refused.
key Label7 Space
> {"refused":{"line":30,"reason":"Label7 takes no focus"}}
key Check20 Space
> {"refused":{"line":32,"reason":"Check20 is hidden"}}
key Text1 Ctrl+Nonsense
> {"refused":{"line":34,"reason":"unknown key Ctrl+Nonsense"}}
