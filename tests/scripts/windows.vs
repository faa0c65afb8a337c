# The secondary windows, the menu commands and the end of the program.
click help
click help
state
> {"state":{"Form3":{"open":true,"focus":"Text1"}}}
click soft
> {"message":{"title":"欢迎使用！","text":"        本软件完全参照国家发展计划委员会与建设部合编之《工程勘察设计收费标准》（2002年修订本）和发改委价格司与建设部质量安全与行业发展司合编之《工程勘察设计收费标准使用手册》之内容编写，仅供学习使用，不足之处欢迎指正。","icon":"exclamation"}}
click writer
> {"message":{"icon":"stop"}}
click writer
> {"message":{"icon":"stop"}}
state
> {"state":{"Form4":{"open":true,"focus":null,"controls":{"Image1":{}}}}}

# The planning-fee window opens from the building group only.
click Command3
> {"refused":{"line":16,"reason":"Command3 is hidden"}}
choose Combo2 建筑、人防工程
click Command3
state
> {"state":{"Form5":{"open":true,"focus":"Text1","controls":{"Text1":{"text":""},"Text2":{"text":""},"Command1":{}}}}}
type Form5.Text1 ２
type Form5.Text2 15,000
click Form5.Command1
> {"message":{"title":"Varnel","text":"您的设计收费为3万元","icon":"none"}}
type Form5.Text1 0.5
type Form5.Text2 12000
click Form5.Command1
> {"message":{"text":"您的设计收费为0.6万元"}}
type Form5.Text2 20000.01
click Form5.Command1
> {"message":{"text":"收费单价超标！"}}
type Form5.Text1
click Form5.Command1
> {"message":{"text":"设计面积不能小于等于零！"}}
type Form5.Text1 1e305
type Form5.Text2 20000
click Form5.Command1
> {"message":{"text":"输入的数值超出计算范围！"}}
click Command3
close Form5
click Command3
state
> {"state":{"Form5":{"open":true,"controls":{"Text1":{"text":""},"Text2":{"text":""}}}}}

# 退出 ends the program with every window.
click Command2
click exit
> {"exit":true}
