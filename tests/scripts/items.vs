# What is typed is what is charged: 加入项目 and 更新单项 calculate the window as it stands, 新单项 starts a
# clean window, a name already in the project is refused, and the project window saves with Ctrl+S.

# Calculated at 1000, then 2000 typed and 总体设计费 ticked: the item is what the window shows.
choose Combo2 公路和城市道路工程
click Text5
type Text1 1000
click Command1
type Text1 2000
click Check7
answer-text 主线道路
click additem
> {"text":{"title":"加入项目","suggested":"公路和城市道路工程 2000万元","answer":"主线道路"}}
state
> {"state":{"Form1":{"controls":{"Text1":{"text":"2000"},"Check7":{"value":1}}},"Project":{"controls":{"items":{"rows":[["主线道路","公路和城市道路工程","Ⅱ级","2000.0000","64.1700","3.2085","67.3785","","67.3785"],["合计","","","","64.1700","3.2085","67.3785","","67.3785"]]}}}}}

# A second item of that name is refused, and the dialog asks again with a free one.
answer-text 主线道路
answer-text 主线道路 (2)
click additem
> {"text":{"answer":"主线道路"}}
> {"message":{"text":"项目中已有名为“主线道路”的单项，请换一个名称，例如“主线道路 (2)”。","icon":"none"}}
> {"text":{"suggested":"主线道路 (2)","answer":"主线道路 (2)"}}

# Renaming to another item's name is refused the same way (its own name is free to keep); cancelled, the
# name stays.
answer-text 主线道路
click Project.renameItem
> {"text":{"title":"重命名单项","suggested":"主线道路 (2)","answer":"主线道路"}}
> {"message":{"text":"项目中已有名为“主线道路”的单项，请换一个名称，例如“主线道路 (2)”。"}}
> {"text":{"suggested":"主线道路 (2)","answer":null}}

# 新单项: the main window as the program starts it; nothing opened from the project any more.
activate Project.items 主线道路
click newitem
state
> {"state":{"Form1":{"focus":"Combo2","controls":{"Combo2":{"text":""},"Label7":{"caption":""},"Text1":{"text":""},"Check7":{"value":0},"Text17":{"text":""}}},"Project":{"controls":{"items":{"rows":[["主线道路","公路和城市道路工程","Ⅱ级","2000.0000","64.1700","3.2085","67.3785","","67.3785"],["主线道路 (2)","公路和城市道路工程","Ⅱ级","2000.0000","64.1700","3.2085","67.3785","","67.3785"],["合计","","","","128.3400","6.4170","134.7570","","134.7570"]]}}}}}
click updateitem
> {"message":{"text":"没有从项目打开的单项：请先在项目窗口中打开要更新的单项，修改后再点击“更新单项”。"}}

# An industry item, updated from its own window only.
click industrywindow
choose Industry.kind 火电工程
choose Industry.grade Ⅱ级
type Industry.amount 2000
answer-text 电厂
click Industry.addItem
> {"text":{"suggested":"火电工程 2000万元","answer":"电厂"}}
activate Project.items 电厂
type Industry.amount 3000
click updateitem
> {"message":{"text":"打开的单项“电厂”是在全行业设计收费窗口中计算的，请在全行业设计收费窗口中更新单项。"}}
click Industry.updateItem
> {"message":{"text":"已更新“电厂”。","icon":"none"}}
activate Project.items 主线道路
click Industry.updateItem
> {"message":{"text":"打开的单项“主线道路”是在主窗口中计算的，请在主窗口中更新单项。"}}
click Industry.newItem
state
> {"state":{"Industry":{"focus":"amount","controls":{"amount":{"text":""},"kind":{"text":""},"grade":{"text":""},"basicFee":{"text":""}}},"Project":{"controls":{"items":{"rows":[["主线道路","公路和城市道路工程","Ⅱ级","2000.0000","64.1700","3.2085","67.3785","","67.3785"],["主线道路 (2)","公路和城市道路工程","Ⅱ级","2000.0000","64.1700","3.2085","67.3785","","67.3785"],["电厂","火电工程","Ⅱ级","3000.0000","103.8000","0.0000","103.8000","","103.8000"],["合计","","","","232.1400","6.4170","238.5570","","238.5570"]]}}}}}

# Ctrl+S in the project window saves the project; 项目另存为… in the industry window saves it elsewhere.
answer-file items.varnel
key Project.items Ctrl+S
> {"file":{"title":"项目另存为","answer":"items.varnel"}}
state
> {"state":{"Project":{"title":"项目 - items.varnel"}}}
answer-file items2.varnel
click Industry.saveProjectAs
> {"file":{"title":"项目另存为","answer":"items2.varnel"}}
state
> {"state":{"Project":{"title":"项目 - items2.varnel"}}}
