<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Faults</name>
    <message>
        <source>Hall</source>
        <translation>霍尔故障</translation>
    </message>
    <message>
        <source>Hall sensor is error</source>
        <translation>霍尔传感器故障</translation>
    </message>
    <message>
        <source>Over vdc</source>
        <translation>过压</translation>
    </message>
    <message>
        <source>Battery voltage is too high</source>
        <translation>电池电压过高</translation>
    </message>
    <message>
        <source>Under vdc</source>
        <translation>欠压</translation>
    </message>
    <message>
        <source>Battery voltage is too low</source>
        <translation>电池电压过低</translation>
    </message>
    <message>
        <source>Over heat</source>
        <translation>控制器过温</translation>
    </message>
    <message>
        <source>The controller is over heat</source>
        <translation>控制器温度过高</translation>
    </message>
    <message>
        <source>Over iac</source>
        <translation>Iac 过流</translation>
    </message>
    <message>
        <source>The controller is over current</source>
        <translation>控制器过流</translation>
    </message>
    <message>
        <source>Over load</source>
        <translation>过载</translation>
    </message>
    <message>
        <source>Heavy load run time out</source>
        <translation>重载运行超时</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <translation>电机堵转</translation>
    </message>
    <message>
        <source>Motor lock time out</source>
        <translation>堵转超时</translation>
    </message>
    <message>
        <source>Motor OH</source>
        <translation>电机过温</translation>
    </message>
    <message>
        <source>The motor is over heat</source>
        <translation>电机温度过高</translation>
    </message>
    <message>
        <source>MS short</source>
        <translation>热敏电阻短路</translation>
    </message>
    <message>
        <source>The motor thermistor is short</source>
        <translation>电机热敏电阻短路</translation>
    </message>
    <message>
        <source>MS open</source>
        <translation>热敏电阻开路</translation>
    </message>
    <message>
        <source>The motor thermistor is open</source>
        <translation>电机热敏电阻开路</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Max speed[rpm]</source>
        <translation>最高转速[rpm]</translation>
    </message>
    <message>
        <source>Back speed[rpm]</source>
        <translation>倒车转速[rpm]</translation>
    </message>
    <message>
        <source>ECO speed[rpm]</source>
        <translation>节能转速[rpm]</translation>
    </message>
    <message>
        <source>Acc of Iq</source>
        <translation>Iq 加速率</translation>
    </message>
    <message>
        <source>Dec of Iq</source>
        <translation>Iq 减速率</translation>
    </message>
    <message>
        <source>Acc of iq at reg</source>
        <translation>回收时 Iq 加速率</translation>
    </message>
    <message>
        <source>Dec of iq at reg</source>
        <translation>回收时 Iq 减速率</translation>
    </message>
    <message>
        <source>Acc of Id</source>
        <translation>Id 加速率</translation>
    </message>
    <message>
        <source>Dec 1 of Id</source>
        <translation>Id 减速率 1</translation>
    </message>
    <message>
        <source>Dec of Id</source>
        <translation>Id 减速率</translation>
    </message>
    <message>
        <source>Speed of Id0[rpm]</source>
        <translation>Id 归零转速[rpm]</translation>
    </message>
    <message>
        <source>MOS pk I 0[A]</source>
        <translation>MOS 峰值电流 0[A]</translation>
    </message>
    <message>
        <source>MOS pk I 1[A]</source>
        <translation>MOS 峰值电流 1[A]</translation>
    </message>
    <message>
        <source>Temp at I0[Deg]</source>
        <translation>I0 对应温度[Deg]</translation>
    </message>
    <message>
        <source>Temp at I1[Deg]</source>
        <translation>I1 对应温度[Deg]</translation>
    </message>
    <message>
        <source>Max Iac pk[A]</source>
        <translation>最大 Iac 峰值[A]</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参考值</translation>
    </message>
    <message>
        <source>Over vdc[V]</source>
        <translation>过压阈值[V]</translation>
    </message>
    <message>
        <source>Over vdc recover[V]</source>
        <translation>过压恢复[V]</translation>
    </message>
    <message>
        <source>Under vdc[V]</source>
        <translation>欠压阈值[V]</translation>
    </message>
    <message>
        <source>Under vdc recover[V]</source>
        <translation>欠压恢复[V]</translation>
    </message>
    <message>
        <source>Highest vdc for reg[V]</source>
        <translation>回收最高 Vdc[V]</translation>
    </message>
    <message>
        <source>vdc of full reg[V]</source>
        <translation>全量回收 Vdc[V]</translation>
    </message>
    <message>
        <source>Vdc of idc limit[V]</source>
        <translation>Idc 限流 Vdc[V]</translation>
    </message>
    <message>
        <source>Vdc of idc min[V]</source>
        <translation>Idc 最小 Vdc[V]</translation>
    </message>
    <message>
        <source>Reg comp to vdc[%]</source>
        <translation>回收 Vdc 补偿[%]</translation>
    </message>
    <message>
        <source>Idc min percent[%]</source>
        <translation>Idc 最小百分比[%]</translation>
    </message>
    <message>
        <source>Hall steps for 60 switch to 360</source>
        <translation>霍尔 60→360 切换步数</translation>
    </message>
    <message>
        <source>Start speed forcast</source>
        <translation>启动转速预估</translation>
    </message>
    <message>
        <source>Square start step</source>
        <translation>方波启动步长</translation>
    </message>
    <message>
        <source>Square step DDP</source>
        <translation>方波步长 DDP</translation>
    </message>
    <message>
        <source>BW iqref step 12[A]</source>
        <translation>倒车 Iq 给定 12[A]</translation>
    </message>
    <message>
        <source>BW iqref step 13[A]</source>
        <translation>倒车 Iq 给定 13[A]</translation>
    </message>
    <message>
        <source>ECO iqref step12[A]</source>
        <translation>节能 Iq 给定 12[A]</translation>
    </message>
    <message>
        <source>ECO iqref step13[A]</source>
        <translation>节能 Iq 给定 13[A]</translation>
    </message>
    <message>
        <source>BW iqref step 0[A]</source>
        <translation>倒车 Iq 给定 0[A]</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>Motor parameter</source>
        <translation>电机参数</translation>
    </message>
    <message>
        <source>Pole pairs num</source>
        <translation>极对数</translation>
    </message>
    <message>
        <source>Forward angle offset[Deg]</source>
        <translation>前进角度偏移[Deg]</translation>
    </message>
    <message>
        <source>Motor Tsensor type</source>
        <translation>电机温感类型</translation>
    </message>
    <message>
        <source>Backward angle offset[Deg]</source>
        <translation>倒车角度偏移[Deg]</translation>
    </message>
    <message>
        <source>Square angle offset[Deg]</source>
        <translation>方波角度偏移[Deg]</translation>
    </message>
    <message>
        <source>Hall A 1 remap[Deg]</source>
        <translation>霍尔 A 1 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 2 remap[Deg]</source>
        <translation>霍尔 A 2 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 3 remap[Deg]</source>
        <translation>霍尔 A 3 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 4 remap[Deg]</source>
        <translation>霍尔 A 4 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 5 remap[Deg]</source>
        <translation>霍尔 A 5 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 6 remap[Deg]</source>
        <translation>霍尔 A 6 重映射[Deg]</translation>
    </message>
    <message>
        <source>Motor over heat[Deg]</source>
        <translation>电机过温[Deg]</translation>
    </message>
    <message>
        <source>Motor HighT mode[Deg]</source>
        <translation>电机高温模式[Deg]</translation>
    </message>
    <message>
        <source>Motor OH quit[Deg]</source>
        <translation>电机过温退出[Deg]</translation>
    </message>
    <message>
        <source>MotorT hysterstic[Deg]</source>
        <translation>电机温度回差[Deg]</translation>
    </message>
    <message>
        <source>Motor switch T[Deg]</source>
        <translation>电机切换温度[Deg]</translation>
    </message>
    <message>
        <source>Hall noisy pulses</source>
        <translation>霍尔噪声脉冲数</translation>
    </message>
    <message>
        <source>Iqref of hallC[A]</source>
        <translation>霍尔校准 Iq 给定[A]</translation>
    </message>
    <message>
        <source>Acc of iq at HallC</source>
        <translation>霍尔校准 Iq 加速率</translation>
    </message>
    <message>
        <source>Dec of iq at HallC</source>
        <translation>霍尔校准 Iq 减速率</translation>
    </message>
    <message>
        <source>Hall B 1 remap[Deg]</source>
        <translation>霍尔 B 1 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 2 remap[Deg]</source>
        <translation>霍尔 B 2 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 3 remap[Deg]</source>
        <translation>霍尔 B 3 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 4 remap[Deg]</source>
        <translation>霍尔 B 4 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 5 remap[Deg]</source>
        <translation>霍尔 B 5 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 6 remap[Deg]</source>
        <translation>霍尔 B 6 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall group</source>
        <translation>霍尔组</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Speed limit kp G</source>
        <translation>限速 kp 增益</translation>
    </message>
    <message>
        <source>Speed limit kp D</source>
        <translation>限速 kp 除数</translation>
    </message>
    <message>
        <source>Speed limit ki G</source>
        <translation>限速 ki 增益</translation>
    </message>
    <message>
        <source>Idc limit kp G</source>
        <translation>Idc 限流 kp 增益</translation>
    </message>
    <message>
        <source>Idc limit kp D</source>
        <translation>Idc 限流 kp 除数</translation>
    </message>
    <message>
        <source>Idc limit ki G</source>
        <translation>Idc 限流 ki 增益</translation>
    </message>
    <message>
        <source>Eco speed kp G</source>
        <translation>节能转速 kp 增益</translation>
    </message>
    <message>
        <source>Eco speed kp D</source>
        <translation>节能转速 kp 除数</translation>
    </message>
    <message>
        <source>Eco speed ki G</source>
        <translation>节能转速 ki 增益</translation>
    </message>
    <message>
        <source>speed PID step 0[rpm]</source>
        <translation>转速 PID 分段 0[rpm]</translation>
    </message>
    <message>
        <source>speed PID step 1[rpm]</source>
        <translation>转速 PID 分段 1[rpm]</translation>
    </message>
    <message>
        <source>speed PID step 2[rpm]</source>
        <translation>转速 PID 分段 2[rpm]</translation>
    </message>
    <message>
        <source>Back steps threshold</source>
        <translation>反转步数阈值</translation>
    </message>
    <message>
        <source>Speed ref A[rpm]</source>
        <translation>转速给定 A[rpm]</translation>
    </message>
    <message>
        <source>Hall Num ref</source>
        <translation>霍尔计数给定</translation>
    </message>
    <message>
        <source>Mot lock Timeout</source>
        <translation>堵转超时</translation>
    </message>
    <message>
        <source>Commu timeout</source>
        <translation>换相超时</translation>
    </message>
    <message>
        <source>Torque PID</source>
        <translation>转矩 PID</translation>
    </message>
    <message>
        <source>Iq kp gain 0 pre</source>
        <translation>Iq kp 增益 0(预)</translation>
    </message>
    <message>
        <source>Iq ki gain 0 pre</source>
        <translation>Iq ki 增益 0(预)</translation>
    </message>
    <message>
        <source>Id kp gain 0 pre</source>
        <translation>Id kp 增益 0(预)</translation>
    </message>
    <message>
        <source>Id ki gain 0 pre</source>
        <translation>Id ki 增益 0(预)</translation>
    </message>
    <message>
        <source>Iq kp gain 0</source>
        <translation>Iq kp 增益 0</translation>
    </message>
    <message>
        <source>Iq ki gain 0</source>
        <translation>Iq ki 增益 0</translation>
    </message>
    <message>
        <source>Id kp gain 0</source>
        <translation>Id kp 增益 0</translation>
    </message>
    <message>
        <source>Id ki gain 0</source>
        <translation>Id ki 增益 0</translation>
    </message>
    <message>
        <source>Iq kp gain 2</source>
        <translation>Iq kp 增益 2</translation>
    </message>
    <message>
        <source>Iq ki gain 2</source>
        <translation>Iq ki 增益 2</translation>
    </message>
    <message>
        <source>Id kp gain 2</source>
        <translation>Id kp 增益 2</translation>
    </message>
    <message>
        <source>Id ki gain 2</source>
        <translation>Id ki 增益 2</translation>
    </message>
    <message>
        <source>Iq kp gain 3</source>
        <translation>Iq kp 增益 3</translation>
    </message>
    <message>
        <source>Iq ki gain 3</source>
        <translation>Iq ki 增益 3</translation>
    </message>
    <message>
        <source>Id kp gain 3</source>
        <translation>Id kp 增益 3</translation>
    </message>
    <message>
        <source>Id ki gain 3</source>
        <translation>Id ki 增益 3</translation>
    </message>
    <message>
        <source>Iq kp gain</source>
        <translation>Iq kp 增益</translation>
    </message>
    <message>
        <source>Iq kp divisor</source>
        <translation>Iq kp 除数</translation>
    </message>
    <message>
        <source>Iq ki gain</source>
        <translation>Iq ki 增益</translation>
    </message>
    <message>
        <source>Id kp gain</source>
        <translation>Id kp 增益</translation>
    </message>
    <message>
        <source>Id kp divisor</source>
        <translation>Id kp 除数</translation>
    </message>
    <message>
        <source>Id ki gain</source>
        <translation>Id ki 增益</translation>
    </message>
    <message>
        <source>Acc of MLock</source>
        <translation>堵转加速率</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>保护</translation>
    </message>
    <message>
        <source>Heavy load timeout[s]</source>
        <translation>重载超时[s]</translation>
    </message>
    <message>
        <source>Motor lock timeout[0.1s]</source>
        <translation>堵转超时[0.1s]</translation>
    </message>
    <message>
        <source>heavy load Iac[%]</source>
        <translation>重载 Iac[%]</translation>
    </message>
    <message>
        <source>Motor lock Iac[%]</source>
        <translation>堵转 Iac[%]</translation>
    </message>
    <message>
        <source>Iac limit level[%]</source>
        <translation>Iac 限流值[%]</translation>
    </message>
    <message>
        <source>Ref iac level[%]</source>
        <translation>Iac 给定值[%]</translation>
    </message>
    <message>
        <source>Power turn point[Deg]</source>
        <translation>功率管拐点[Deg]</translation>
    </message>
    <message>
        <source>Power oh[Deg]</source>
        <translation>功率管过温[Deg]</translation>
    </message>
    <message>
        <source>Power OH recover[Deg]</source>
        <translation>功率管过温恢复[Deg]</translation>
    </message>
    <message>
        <source>Power highT mode[Deg]</source>
        <translation>功率管高温模式[Deg]</translation>
    </message>
    <message>
        <source>Iqref 1[A]</source>
        <translation>Iq 给定 1[A]</translation>
    </message>
    <message>
        <source>Iqref 2[A]</source>
        <translation>Iq 给定 2[A]</translation>
    </message>
    <message>
        <source>Iqref 3[A]</source>
        <translation>Iq 给定 3[A]</translation>
    </message>
    <message>
        <source>Iqref 4[A]</source>
        <translation>Iq 给定 4[A]</translation>
    </message>
    <message>
        <source>Iqref 5[A]</source>
        <translation>Iq 给定 5[A]</translation>
    </message>
    <message>
        <source>Iqref 6[A]</source>
        <translation>Iq 给定 6[A]</translation>
    </message>
    <message>
        <source>Iqref 7[A]</source>
        <translation>Iq 给定 7[A]</translation>
    </message>
    <message>
        <source>Iqref 13[A]</source>
        <translation>Iq 给定 13[A]</translation>
    </message>
    <message>
        <source>Iqref 8[A]</source>
        <translation>Iq 给定 8[A]</translation>
    </message>
    <message>
        <source>Iqref 9[A]</source>
        <translation>Iq 给定 9[A]</translation>
    </message>
    <message>
        <source>Iqref 10[A]</source>
        <translation>Iq 给定 10[A]</translation>
    </message>
    <message>
        <source>Iqref 11[A]</source>
        <translation>Iq 给定 11[A]</translation>
    </message>
    <message>
        <source>Iqref 12[A]</source>
        <translation>Iq 给定 12[A]</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Percentage in mid tref2[%]</source>
        <translation>中位给定比例 2[%]</translation>
    </message>
    <message>
        <source>Tref mid vary delay[s]</source>
        <translation>中位给定变化延时[s]</translation>
    </message>
    <message>
        <source>Tref mid vary speed[rpm]</source>
        <translation>中位给定变化转速[rpm]</translation>
    </message>
    <message>
        <source>Percentage in mid tref[%]</source>
        <translation>中位给定比例[%]</translation>
    </message>
    <message>
        <source>Forward enable</source>
        <translation>前进使能</translation>
    </message>
    <message>
        <source>Backward enable</source>
        <translation>倒车使能</translation>
    </message>
    <message>
        <source>Eco enable</source>
        <translation>节能模式使能</translation>
    </message>
    <message>
        <source>Alarm enable</source>
        <translation>报警使能</translation>
    </message>
    <message>
        <source>Brake drive stop enable</source>
        <translation>刹车断电使能</translation>
    </message>
    <message>
        <source>Motor protectin enable</source>
        <translation>电机保护使能</translation>
    </message>
    <message>
        <source>Boost enable</source>
        <translation>助力加速使能</translation>
    </message>
    <message>
        <source>Throttle low[V]</source>
        <translation>转把下限[V]</translation>
    </message>
    <message>
        <source>Throttle high[V]</source>
        <translation>转把上限[V]</translation>
    </message>
    <message>
        <source>Throttle mid[V]</source>
        <translation>转把中位[V]</translation>
    </message>
    <message>
        <source>BW iqref step 1[A]</source>
        <translation>倒车 Iq 给定 1[A]</translation>
    </message>
    <message>
        <source>BW iqref step 2[A]</source>
        <translation>倒车 Iq 给定 2[A]</translation>
    </message>
    <message>
        <source>BW iqref step 3[A]</source>
        <translation>倒车 Iq 给定 3[A]</translation>
    </message>
    <message>
        <source>BW iqref step 4[A]</source>
        <translation>倒车 Iq 给定 4[A]</translation>
    </message>
    <message>
        <source>BW iqref step 5[A]</source>
        <translation>倒车 Iq 给定 5[A]</translation>
    </message>
    <message>
        <source>BW iqref step 6[A]</source>
        <translation>倒车 Iq 给定 6[A]</translation>
    </message>
    <message>
        <source>BW iqref step 7[A]</source>
        <translation>倒车 Iq 给定 7[A]</translation>
    </message>
    <message>
        <source>BW iqref step 8[A]</source>
        <translation>倒车 Iq 给定 8[A]</translation>
    </message>
    <message>
        <source>BW iqref step 9[A]</source>
        <translation>倒车 Iq 给定 9[A]</translation>
    </message>
    <message>
        <source>BW iqref step10[A]</source>
        <translation>倒车 Iq 给定 10[A]</translation>
    </message>
    <message>
        <source>BW iqref step 11[A]</source>
        <translation>倒车 Iq 给定 11[A]</translation>
    </message>
    <message>
        <source>Flux weaken</source>
        <translation>弱磁</translation>
    </message>
    <message>
        <source>FluxWeaken Reference</source>
        <translation>弱磁给定</translation>
    </message>
    <message>
        <source>Flux sign</source>
        <translation>弱磁方向</translation>
    </message>
    <message>
        <source>Startup speed min</source>
        <translation>启动最小转速</translation>
    </message>
    <message>
        <source>Startup speed low</source>
        <translation>启动低速</translation>
    </message>
    <message>
        <source>Startup speed high</source>
        <translation>启动高速</translation>
    </message>
    <message>
        <source>Idref 0[A]</source>
        <translation>Id 给定 0[A]</translation>
    </message>
    <message>
        <source>Idref 1[A]</source>
        <translation>Id 给定 1[A]</translation>
    </message>
    <message>
        <source>Idref 2[A]</source>
        <translation>Id 给定 2[A]</translation>
    </message>
    <message>
        <source>Idref 3[A]</source>
        <translation>Id 给定 3[A]</translation>
    </message>
    <message>
        <source>Idref 4[A]</source>
        <translation>Id 给定 4[A]</translation>
    </message>
    <message>
        <source>Idref 5[A]</source>
        <translation>Id 给定 5[A]</translation>
    </message>
    <message>
        <source>Idref 6[A]</source>
        <translation>Id 给定 6[A]</translation>
    </message>
    <message>
        <source>Idref 7[A]</source>
        <translation>Id 给定 7[A]</translation>
    </message>
    <message>
        <source>Idref 8[A]</source>
        <translation>Id 给定 8[A]</translation>
    </message>
    <message>
        <source>Idref 9[A]</source>
        <translation>Id 给定 9[A]</translation>
    </message>
    <message>
        <source>Idref 10[A]</source>
        <translation>Id 给定 10[A]</translation>
    </message>
    <message>
        <source>Idref 11[A]</source>
        <translation>Id 给定 11[A]</translation>
    </message>
    <message>
        <source>Idref 12[A]</source>
        <translation>Id 给定 12[A]</translation>
    </message>
    <message>
        <source>Idref 13[A]</source>
        <translation>Id 给定 13[A]</translation>
    </message>
    <message>
        <source>Idref H 9[A]</source>
        <translation>Id 给定 H 9[A]</translation>
    </message>
    <message>
        <source>Idref H 10[A]</source>
        <translation>Id 给定 H 10[A]</translation>
    </message>
    <message>
        <source>Idref H 11[A]</source>
        <translation>Id 给定 H 11[A]</translation>
    </message>
    <message>
        <source>Idref H 12[A]</source>
        <translation>Id 给定 H 12[A]</translation>
    </message>
    <message>
        <source>Idref H 13[A]</source>
        <translation>Id 给定 H 13[A]</translation>
    </message>
    <message>
        <source>Printf period[5ms]</source>
        <translation>打印周期[5ms]</translation>
    </message>
    <message>
        <source>PrintfSwitcher</source>
        <translation>打印开关</translation>
    </message>
    <message>
        <source>DC current calbiration</source>
        <translation>直流电流校准</translation>
    </message>
    <message>
        <source>Idc calibration</source>
        <translation>Idc 校准</translation>
    </message>
    <message>
        <source>Forward level</source>
        <translation>前进电平</translation>
    </message>
    <message>
        <source>Backward level</source>
        <translation>倒车电平</translation>
    </message>
    <message>
        <source>Brake high level</source>
        <translation>高刹电平</translation>
    </message>
    <message>
        <source>B H A</source>
        <translation>B H A</translation>
    </message>
    <message>
        <source>Brake low level</source>
        <translation>低刹电平</translation>
    </message>
    <message>
        <source>Reserve level</source>
        <translation>备用电平</translation>
    </message>
    <message>
        <source>B L A</source>
        <translation>B L A</translation>
    </message>
    <message>
        <source>Serial Num</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Flux period[ms]</source>
        <translation>弱磁周期[ms]</translation>
    </message>
    <message>
        <source>Iac ADC value 128A</source>
        <translation>128A 时 Iac ADC 值</translation>
    </message>
    <message>
        <source>Reference period[ms]</source>
        <translation>给定周期[ms]</translation>
    </message>
    <message>
        <source>Idc gain</source>
        <translation>Idc 增益</translation>
    </message>
    <message>
        <source>Idc D2 power</source>
        <translation>Idc 除数 2^n</translation>
    </message>
    <message>
        <source>Speed pulses/cycle</source>
        <translation>速度脉冲/周期</translation>
    </message>
    <message>
        <source>TempM at W0</source>
        <translation>W0 时电机温度</translation>
    </message>
    <message>
        <source>TempM at W1</source>
        <translation>W1 时电机温度</translation>
    </message>
    <message>
        <source>MLK turnp[Deg]</source>
        <translation>电机限流拐点[Deg]</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>PC Online</source>
        <translation>PC 在线</translation>
    </message>
    <message>
        <source>Hall connection</source>
        <translation>霍尔线序</translation>
    </message>
    <message>
        <source>Phase connection</source>
        <translation>相线线序</translation>
    </message>
    <message>
        <source>Subproject num</source>
        <translation>子项目号</translation>
    </message>
    <message>
        <source>Ic ADC value 128A</source>
        <translation>128A 时 Ic ADC 值</translation>
    </message>
    <message>
        <source>Idc ave factor</source>
        <translation>Idc 平均系数</translation>
    </message>
    <message>
        <source>Derate</source>
        <translation>降额</translation>
    </message>
    <message>
        <source>Derate setting</source>
        <translation>降额设置</translation>
    </message>
    <message>
        <source>Power derate delay[s]</source>
        <translation>功率降额延时[s]</translation>
    </message>
    <message>
        <source>Power recover delay[s]</source>
        <translation>功率恢复延时[s]</translation>
    </message>
    <message>
        <source>Mot power derate delay[s]</source>
        <translation>电机功率降额延时[s]</translation>
    </message>
    <message>
        <source>Mot power recover delay[s]</source>
        <translation>电机功率恢复延时[s]</translation>
    </message>
    <message>
        <source>ECO iqref 1[A]</source>
        <translation>节能 Iq 给定 1[A]</translation>
    </message>
    <message>
        <source>ECO iqref 2[A]</source>
        <translation>节能 Iq 给定 2[A]</translation>
    </message>
    <message>
        <source>ECO iqref 3[A]</source>
        <translation>节能 Iq 给定 3[A]</translation>
    </message>
    <message>
        <source>ECO iqref 4[A]</source>
        <translation>节能 Iq 给定 4[A]</translation>
    </message>
    <message>
        <source>ECO iqref 5[A]</source>
        <translation>节能 Iq 给定 5[A]</translation>
    </message>
    <message>
        <source>ECO iqref 6[A]</source>
        <translation>节能 Iq 给定 6[A]</translation>
    </message>
    <message>
        <source>ECO iqref 7[A]</source>
        <translation>节能 Iq 给定 7[A]</translation>
    </message>
    <message>
        <source>ECO iqref 8[A]</source>
        <translation>节能 Iq 给定 8[A]</translation>
    </message>
    <message>
        <source>ECO iqref 9[A]</source>
        <translation>节能 Iq 给定 9[A]</translation>
    </message>
    <message>
        <source>ECO iqref 10[A]</source>
        <translation>节能 Iq 给定 10[A]</translation>
    </message>
    <message>
        <source>ECO iqref 11[A]</source>
        <translation>节能 Iq 给定 11[A]</translation>
    </message>
    <message>
        <source>Speed step[rpm]</source>
        <translation>转速步长[rpm]</translation>
    </message>
    <message>
        <source>Iqref limit 1[A]</source>
        <translation>Iq 给定限值 1[A]</translation>
    </message>
    <message>
        <source>Iqref limit 0[A]</source>
        <translation>Iq 给定限值 0[A]</translation>
    </message>
    <message>
        <source>Idref limit 1[A]</source>
        <translation>Id 给定限值 1[A]</translation>
    </message>
    <message>
        <source>Idref limit 0[A]</source>
        <translation>Id 给定限值 0[A]</translation>
    </message>
    <message>
        <source>Flux switch speed[rpm]</source>
        <translation>弱磁切换转速[rpm]</translation>
    </message>
    <message>
        <source>BW speed step[rpm]</source>
        <translation>倒车转速步长[rpm]</translation>
    </message>
    <message>
        <source>ModeSet</source>
        <translation>模式设置</translation>
    </message>
    <message>
        <source>Mode set</source>
        <translation>模式设置</translation>
    </message>
    <message>
        <source>Mode 1 speed[rpm]</source>
        <translation>模式 1 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 2 speed[rpm]</source>
        <translation>模式 2 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 3 speed[rpm]</source>
        <translation>模式 3 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 4 speed[rpm]</source>
        <translation>模式 4 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 1 idc[A]</source>
        <translation>模式 1 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 2 idc[A]</source>
        <translation>模式 2 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 3 idc[A]</source>
        <translation>模式 3 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 4 idc[A]</source>
        <translation>模式 4 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 5 idc[A]</source>
        <translation>模式 5 Idc[A]</translation>
    </message>
    <message>
        <source>Boost ratio Iac[%]</source>
        <translation>助力加速 Iac 比例[%]</translation>
    </message>
    <message>
        <source>Boost active sec[s]</source>
        <translation>助力加速持续时间[s]</translation>
    </message>
    <message>
        <source>Speed fall delay[s]</source>
        <translation>降速延时[s]</translation>
    </message>
    <message>
        <source>Max reg Q</source>
        <translation>最大回收 Q</translation>
    </message>
    <message>
        <source>Min reg speed[rpm]</source>
        <translation>最低回收转速[rpm]</translation>
    </message>
    <message>
        <source>Acc of regenerate</source>
        <translation>能量回收加速率</translation>
    </message>
    <message>
        <source>Dec of regenerate</source>
        <translation>能量回收减速率</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Vdc[V]</source>
        <translation>Vdc[V]</translation>
    </message>
    <message>
        <source>Idc[A]</source>
        <translation>Idc[A]</translation>
    </message>
    <message>
        <source>Revolution[rpm]</source>
        <translation>转速[rpm]</translation>
    </message>
    <message>
        <source>Power T[Deg]</source>
        <translation>功率管温度[Deg]</translation>
    </message>
    <message>
        <source>Motor T[Deg]</source>
        <translation>电机温度[Deg]</translation>
    </message>
    <message>
        <source>Iq ref[A]</source>
        <translation>Iq 给定[A]</translation>
    </message>
    <message>
        <source>Throttle vdc[V]</source>
        <translation>转把电压[V]</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Iq actual[A]</source>
        <translation>Iq 实际[A]</translation>
    </message>
    <message>
        <source>Id ref[A]</source>
        <translation>Id 给定[A]</translation>
    </message>
    <message>
        <source>Id actual[A]</source>
        <translation>Id 实际[A]</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>档位</translation>
    </message>
    <message>
        <source>Pedal error code</source>
        <translation>踏板故障码</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>霍尔状态</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>倒车</translation>
    </message>
    <message>
        <source>Hall calib</source>
        <translation>霍尔校准</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>刹车</translation>
    </message>
    <message>
        <source>ECO status</source>
        <translation>节能模式</translation>
    </message>
    <message>
        <source>Hall G</source>
        <translation>霍尔组</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>助力加速</translation>
    </message>
</context>
<context>
    <name>motiview::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save parameters...</source>
        <translation>保存参数(&amp;S)...</translation>
    </message>
    <message>
        <source>C&amp;ompare with file...</source>
        <translation>与文件比较(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Restore parameters...</source>
        <translation>恢复参数(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Com Setting...</source>
        <translation>串口设置(&amp;C)...</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contact us</source>
        <translation>联系我们(&amp;C)</translation>
    </message>
    <message>
        <source>online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>Hall A test</source>
        <translation>霍尔 A 测试</translation>
    </message>
    <message>
        <source>Hall B test</source>
        <translation>霍尔 B 测试</translation>
    </message>
    <message>
        <source>Stop hall test</source>
        <translation>停止霍尔测试</translation>
    </message>
</context>
<context>
    <name>motiview::MonitorView</name>
    <message>
        <source>System RealTime info</source>
        <translation>系统实时信息</translation>
    </message>
    <message>
        <source>Error infomation</source>
        <translation>故障信息</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Error description</source>
        <translation>故障描述</translation>
    </message>
</context>
<context>
    <name>motiview::PageWindow</name>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
</context>
</TS>
