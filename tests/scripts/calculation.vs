# Whole calculations through the window.

# Road type, grade Ⅰ: the additional coefficient is 1.8899999999999997 in double arithmetic.
choose Combo2 公路和城市道路工程
click Text4
type Text1 1000
click Command1
vars
> {"vars":{"profCoef":0.9,"complexCoef":0.85,"addCoef1":1.89,"addCoef":1.8899999999999997,"basicFee":56.09898}}
state
> {"state":{"Form1":{"focus":"Text1","controls":{"Text15":{"text":" 56.09898"},"Text16":{"text":" 0"},"Text17":{"text":" 56.09898"}}}}}

# A coefficient out of range: its box is emptied and focused, the results stay.
click Text6
click Check20
type Text8 1.5
click Command1
> {"message":{"title":"Varnel","text":"改扩建和技术改造建设项目附加调整系数超标！","icon":"none"}}
state
> {"state":{"Form1":{"focus":"Text8","controls":{"Text8":{"text":"","visible":true},"Text15":{"text":" 56.09898"}}}}}
vars
> {"vars":{"addCoef3":1.5,"addCoef":1.8899999999999997}}

# The hand-worked building example, then its phase share.
choose Combo2 建筑、人防工程
click Text5
click Check28
click Check7
type Text1 1500
click Command1
vars
> {"vars":{"basePrice":55.05,"profCoef":1.1,"complexCoef":1,"addCoef":1,"basicFee":60.555,"overallDesignFee":3.02775,"otherFee":3.02775,"benchmarkFee":63.58275}}
state
> {"state":{"Form1":{"controls":{"Text15":{"text":" 60.555"},"Text16":{"text":" 3.02775"},"Text17":{"text":" 63.58275"},"Text18":{"visible":false}}}}}
click Check4
click Option3
click Command1
state
> {"state":{"Form1":{"controls":{"Label28":{"caption":"其中方案设计费","visible":true},"Text18":{"text":" 6.358275","visible":true},"Label27":{"visible":true}}}}}
click Check4
state
> {"state":{"Form1":{"controls":{"Label28":{"caption":"","visible":false},"Text18":{"text":"","visible":false},"Option3":{"value":false,"enabled":false}}}}}

# Other fees: non-standard equipment and the standard design refinements.
click Check3
type Text7 50
type Text9 0.15
click Check18
click Check21
type Text3 0.2
click Command1
vars
> {"vars":{"nonstdEquipFee":7.5,"reuseFee":0,"localChangeRate":0.2,"localChangeFee":12.111}}
type Text9 15
click Command1
> {"message":{"text":"非标准设备设计费率不得超标！"}}
