# A whole project's quote: three single works of different types added from the main window, the float and
# the contract amount, saved, a new project, opened again, an item opened back into the main window,
# changed and updated, and the question about unsaved changes when the last window closes.

# 加入项目 calculates the window as it stands; on an empty window that stops, and nothing is added.
click additem
> {"message":{"title":"Varnel","text":"工程计费额不能小于或等于零！","icon":"none","buttons":["确定"]}}

# A road with 城市道路通过地下管网密集区 and 总体设计费.
choose Combo2 公路和城市道路工程
click Text5
click Check12
click Check7
type Text1 1500
click Command1
answer-text 主线道路（一标段）
click additem
> {"text":{"title":"加入项目","label":"单项名称：","suggested":"公路和城市道路工程 1500万元","answer":"主线道路（一标段）"}}

# A civil-defence building, 总体设计费 still ticked.
choose Combo2 建筑、人防工程
click Text5
click Check28
type Text1 1500
click Command1
answer-text 地下人防
click additem
> {"text":{"suggested":"建筑、人防工程 1500万元","answer":"地下人防"}}

# A grade Ⅲ landscape whose 施工图设计 is commissioned on its own: its share counts towards the total.
choose Combo2 园林绿化工程
click Text6
type Text1 300
click Check4
click Option2
click Command1
answer-text 沿线绿化
click additem
> {"text":{"suggested":"园林绿化工程 300万元","answer":"沿线绿化"}}
state
# Each figure is stated to the 元 (3.02775 as 3.0278), the phase with its share, and each sum adds the
# figures above it: 57.2245 + 63.5828 + 8.6115 = 129.4188.
> {"state":{"Form1":{"title":"Varnel - 未命名项目 *"},"Project":{"open":true,"title":"项目 - 未命名项目 *","controls":{"items":{"rows":[["主线道路（一标段）","公路和城市道路工程","Ⅱ级","1500.0000","54.4995","2.7250","57.2245","","57.2245"],["地下人防","建筑、人防工程","Ⅱ级","1500.0000","60.5550","3.0278","63.5828","","63.5828"],["沿线绿化","园林绿化工程","Ⅲ级","300.0000","16.4028","0.8201","17.2230","施工图设计 50%","8.6115"],["合计","","","","131.4573","6.5729","138.0303","","129.4188"]],"current":3},"total":{"text":"129.4188"},"contract":{"text":"129.4188"},"taxNote":{"caption":"合同额含增值税（税率 6%）：不含税金额 122.0932 万元 + 税额 7.3256 万元 = 含税金额 129.4188 万元"}}}}}

# The float lies within ±20 %, or up to +25 % with new technology; a typed contract amount shows the
# float it implies.
type Project.name 某某道路工程
type Project.floatPercent 25
key Project.floatPercent Return
> {"message":{"text":"浮动幅度值应为 -20 到 20 之间的数（单位为 %；《工程勘察设计收费管理规定》第六条），“25”不是。浮动幅度值仍为 0%。"}}
click Project.newTechnology
type Project.floatPercent 25
key Project.floatPercent Return
state
> {"state":{"Project":{"controls":{"floatPercent":{"text":"25"},"floatRange":{"caption":"%（-20～+25）"},"contract":{"text":"161.7735"},"floatNote":{"caption":"合同额 = 合计 × (1 + 浮动幅度值)；浮动幅度值可在 -20% 到 +25% 之间（《工程勘察设计收费管理规定》第七条（采用新技术））"}}}}}
click Project.newTechnology
> {"message":{"text":"浮动幅度值为 25%，不采用新技术时最多为 +20%（《工程勘察设计收费管理规定》第六条）：请先把浮动幅度值改到 20 以内，再取消“采用新技术”。"}}
type Project.floatPercent -5
key Project.floatPercent Return
click Project.newTechnology
type Project.floatPercent -5
key Project.floatPercent Return
state
> {"state":{"Form1":{"title":"Varnel - 某某道路工程 *"},"Project":{"title":"项目 - 某某道路工程 *","controls":{"floatPercent":{"text":"-5","enabled":true},"newTechnology":{"value":0},"contract":{"text":"122.9479"},"floatNote":{"caption":"合同额 = 合计 × (1 + 浮动幅度值)；浮动幅度值可在 -20% 到 +20% 之间（《工程勘察设计收费管理规定》第六条）"}}}}}
type Project.contractAmount 200
key Project.contractAmount Return
state
> {"state":{"Project":{"controls":{"floatPercent":{"enabled":false},"contract":{"text":"200.0000"},"floatNote":{"caption":"合同额相当于浮动 +54.54%，超出了《工程勘察设计收费管理规定》第六条允许的 -20% 到 +20% 的范围"}}}}}

# The VAT: at 3 %, on a contract amount taken without it.
type Project.taxRate 21
key Project.taxRate Return
> {"message":{"text":"增值税税率应为 0 到 20 之间的数（单位为 %；一般纳税人的设计服务为 6，小规模纳税人为 3 或 1），“21”不是。增值税税率仍为 6%。"}}
type Project.taxRate 3
key Project.taxRate Return
click Project.taxIncluded
state
> {"state":{"Project":{"controls":{"taxRate":{"text":"3"},"taxIncluded":{"value":0},"taxNote":{"caption":"合同额不含增值税（税率 3%）：不含税金额 200.0000 万元 + 税额 6.0000 万元 = 含税金额 206.0000 万元"}}}}}
type Project.taxRate 6
key Project.taxRate Return
click Project.taxIncluded
type Project.contractAmount
key Project.contractAmount Return

# Saved, replaced by a new project, and opened again.
answer-file 道路.varnel
click saveproject
> {"file":{"title":"项目另存为","answer":"道路.varnel"}}
click newproject
state
> {"state":{"Form1":{"title":"Varnel"},"Project":{"title":"项目 - 未命名项目","controls":{"name":{"text":""},"items":{"rows":[["合计","","","","0.0000","0.0000","0.0000","","0.0000"]],"current":0}}}}}
answer-file 道路.varnel
click openproject
> {"file":{"title":"打开项目","answer":"道路.varnel"}}

# An item opened back holds its inputs and shows its figures; changed and calculated, it updates the item.
activate Project.items 地下人防
state
> {"state":{"Form1":{"title":"Varnel - 某某道路工程","focus":"Text1","controls":{"Combo2":{"text":"建筑、人防工程"},"Label7":{"caption":"Ⅱ级"},"Check28":{"value":1},"Check7":{"value":1},"Check4":{"value":0},"Text1":{"text":"1500"},"Text17":{"text":" 63.58275"}}},"Project":{"title":"项目 - 某某道路工程","controls":{"floatPercent":{"text":"-5"},"items":{"current":2}}}}}
type Text1 3000
click updateitem
> {"message":{"text":"已更新“地下人防”。","icon":"none"}}
state
> {"state":{"Form1":{"title":"Varnel - 某某道路工程 *"},"Project":{"controls":{"items":{"rows":[["主线道路（一标段）","公路和城市道路工程","Ⅱ级","1500.0000","54.4995","2.7250","57.2245","","57.2245"],["地下人防","建筑、人防工程","Ⅱ级","3000.0000","114.1800","5.7090","119.8890","","119.8890"],["沿线绿化","园林绿化工程","Ⅲ级","300.0000","16.4028","0.8201","17.2230","施工图设计 50%","8.6115"],["合计","","","","185.0823","9.2541","194.3365","","185.7250"]]},"contract":{"text":"176.4388"}}}}}

# Closing the main window loses nothing while the project window is open; closing the last window asks.
close Form1
answer-button 取消
close Project
> {"message":{"title":"Varnel","text":"项目“某某道路工程”已经修改，要保存吗？","icon":"question","buttons":["保存","不保存","取消"]}}
state
> {"state":{"Form1":{"open":false},"Project":{"open":true}}}
answer-button 不保存
close Project
> {"message":{"text":"项目“某某道路工程”已经修改，要保存吗？"}}
> {"exit":true}
