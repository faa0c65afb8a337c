# The guide's pictures, made from the real windows by varnel-script (docs/guide/CMakeLists.txt).

# The main window: a road of grade Ⅱ with an additional condition and an other fee, calculated.
choose Combo2 公路和城市道路工程
click Text5
type Text1 1500
click Check12
click Check7
click Command1
picture Form1 main-window.png

# Its report.
click Command2
picture Form2 report-window.png
close Form2

# The road goes into a new project.
answer-text 主线道路
click additem

# A petrochemical work in the industry window, with a phase commissioned on its own, goes in too.
click industrywindow
type Industry.amount 3000
choose Industry.kind 石油、化工、石化、化纤、医药工程
choose Industry.grade Ⅱ级
click Industry.condition2
click Industry.overallDesign
click Industry.independentPhase
choose Industry.shareRow 一般石油化工
choose Industry.phase 基础设计
click Industry.calculate
picture Industry industry-window.png
answer-text 乙烯装置
click Industry.addItem
close Industry

# A district's buildings, then the project with its fields and float.
click newitem
choose Combo2 建筑、人防工程
click Text6
type Text1 8000
click Check29
click Check4
click Option1
answer-text 住宅小区
click additem
click projectwindow
type Project.name 某某新区道路及配套工程
type Project.client 某某市城市建设投资有限公司
type Project.designer 某某市政设计研究院
type Project.floatPercent -5
key Project.floatPercent Return
picture Project project-window.png
